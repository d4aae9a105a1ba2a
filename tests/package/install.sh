#!/usr/bin/env bash
# `cmake --install` for one player, into a prefix of its own: the executable
# goes in stripped, as the package's does, started through bin/frostel, with
# the help's pictures in both sizes beside it.
#
# usage: install.sh BUILD_FOLDER
set -euo pipefail
build="$(realpath "$1")"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "install: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1 ||
  fail "cmake --install failed: $(tail -n 5 "$prefix/install.log")"
program="$prefix/lib/frostel/frostel"
[ -x "$program" ] || fail "no executable in the program folder"
description="$(file -b "$program")"
case "$description" in
  *"not stripped"*) fail "the executable keeps its symbols: $description" ;;
  *stripped*) ;;
  *) fail "the executable is not an executable: $description" ;;
esac
[ "$(stat -c %s "$program")" -lt "$(stat -c %s "$build/frostel")" ] ||
  fail "the installed executable is as large as the built one"
[ "$(readlink -f "$prefix/bin/frostel")" = "$(readlink -f "$program")" ] ||
  fail "bin/frostel does not start the installed executable"
for picture in flag0.png flag0@2x.png tool_help.png tool_help@2x.png; do
  [ -s "$prefix/lib/frostel/frostel.chm/img/$picture" ] || fail "the help lacks img/$picture"
done
echo "1 passed, 0 failed"
