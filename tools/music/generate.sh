#!/bin/sh
# Builds the music generator in a temporary folder and writes resources/music/frostel.mid.
# Usage: generate.sh [REPOSITORY_ROOT]   (default: the repository this script belongs to)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "${1:-$here/../..}" && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT INT TERM

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
mkdir -p "$root/resources/music"
"$build/make_music" "$root/resources/music/frostel.mid"
"$build/make_music" --check "$root/resources/music/frostel.mid"
