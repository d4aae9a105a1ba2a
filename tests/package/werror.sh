#!/usr/bin/env bash
# Warnings are errors in the build as it comes, and a distribution can turn
# that off (-DFROSTEL_WERROR=OFF) for a compiler that warns of more, keeping
# the warnings themselves.
#
# usage: werror.sh SOURCE_FOLDER BUILD_FOLDER
set -euo pipefail
source_folder="$(realpath "$1")"
build="$(realpath "$2")"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "werror: $*" >&2
  exit 1
}

# count FLAG FOLDER: how many compile commands of the build in FOLDER carry FLAG.
count() { grep -c -- "$1" "$2/compile_commands.json" || true; }

[ "$(count -Werror "$build")" -gt 0 ] || fail "the build as it comes does not stop at warnings"
[ "$(count -Werror "$build")" -ge "$(count -Wall "$build")" ] ||
  fail "some of the build's own code does not stop at warnings"

cmake -S "$source_folder" -B "$scratch" -G Ninja -DFROSTEL_WERROR=OFF -DFROSTEL_BUILD_TESTS=OFF \
  -DFROSTEL_BUILD_TOOLS=ON >"$scratch/configure.log" 2>&1 ||
  fail "the build does not configure with FROSTEL_WERROR=OFF: $(tail -n 5 "$scratch/configure.log")"
[ "$(count -Wall "$scratch")" -gt 0 ] || fail "without -Werror the warnings are gone too"
[ "$(count -Werror "$scratch")" -eq 0 ] || fail "-Werror is still there with FROSTEL_WERROR=OFF"
echo "1 passed, 0 failed"
