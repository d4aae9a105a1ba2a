#!/bin/sh
# Rebuilds the interface pictures: letter sheet, used-letter veil, letter field, clothesline,
# flags, toolbar icons, about-box pictures and program icons, those the game shows also drawn at
# twice the size for screens of device pixel ratio 2 (letters@2x.png and so on); and the program
# icon at the sizes of the desktop's icon theme.
# Usage: tools/uiart/generate.sh [OUTPUT_FOLDER [ICON_FOLDER]]
#        (default: resources/pictures and resources/icons)
set -eu

tool_dir=$(cd "$(dirname "$0")" && pwd)
repo_root=$(cd "$tool_dir/../.." && pwd)
output=${1:-"$repo_root/resources/pictures"}
icons=${2:-"$repo_root/resources/icons"}
case $output in
/*) ;;
*) output="$(pwd)/$output" ;;
esac
case $icons in
/*) ;;
*) icons="$(pwd)/$icons" ;;
esac

build=$(mktemp -d "${TMPDIR:-/tmp}/frostel-uiart.XXXXXX")
trap 'rm -rf "$build"' EXIT INT TERM

generator=Unix\ Makefiles
command -v ninja >/dev/null 2>&1 && generator=Ninja
cmake -S "$tool_dir" -B "$build" -G "$generator" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target frostel_uiart >/dev/null

QT_QPA_PLATFORM=offscreen "$build/frostel_uiart" "$output"
QT_QPA_PLATFORM=offscreen "$build/frostel_uiart" --icons "$icons"
echo "pictures written to $output, icons to $icons"
