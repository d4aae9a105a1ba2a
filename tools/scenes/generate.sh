#!/bin/sh
# Regenerates the motif pictures: 101.png to 150.png, 200.png to 204.png and
# symbol0.png to symbol4.png, each also drawn at twice the size for screens of
# device pixel ratio 2 (101@2x.png and so on).
# Usage: tools/scenes/generate.sh [OUTPUT_FOLDER]   (default: resources/pictures in the repository)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
output=${1:-"$root/resources/pictures"}
mkdir -p "$output"
output=$(cd "$output" && pwd)

build=$(mktemp -d "${TMPDIR:-/tmp}/frostel-scenes.XXXXXX")
trap 'rm -rf "$build"' EXIT INT TERM

if command -v ninja >/dev/null 2>&1; then
    generator=Ninja
else
    generator="Unix Makefiles"
fi
cmake -S "$here" -B "$build" -G "$generator" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null

QT_QPA_PLATFORM=offscreen "$build/frostel_scenes" "$output"
echo "pictures written to $output"
