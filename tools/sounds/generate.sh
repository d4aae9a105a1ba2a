#!/bin/sh
# Builds the sound generator in a temporary folder and writes resources/sounds/100.wav .. 113.wav.
# Usage: generate.sh [REPOSITORY_ROOT]   (default: the repository this script belongs to)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "${1:-$here/../..}" && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT INT TERM

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
mkdir -p "$root/resources/sounds"
"$build/make_sounds" "$root/resources/sounds"
"$build/make_sounds" --check "$root/resources/sounds"
