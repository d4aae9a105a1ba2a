#!/usr/bin/env bash
# Starts the real program in a fresh program folder under Xvfb, checks that a
# second start ends at once, closes the first the way a log-out does, and checks
# the settings file that closing wrote. No window manager runs, so nothing
# maximises the window that a first start asks to be maximised: closing stores
# it as the normal window it is.
#
# Every wait is for a condition, with a limit far above what it takes on a busy
# machine.
set -euo pipefail
executable="$(realpath "$1")"
command -v xdotool >/dev/null || { echo "smoke: xdotool is missing (scripts/setup.sh installs it)" >&2; exit 1; }

# Everything below runs inside its own X server.
if [ -z "${FROSTEL_SMOKE_DISPLAY:-}" ]; then
  export FROSTEL_SMOKE_DISPLAY=1
  exec bash "$(dirname "$0")/xvfb.sh" 1280x1024 bash "$0" "$@"
fi
work="$(mktemp -d)"
finish() {
  if [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; then
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "smoke: $*" >&2
  [ -f "$work/program/Frostel.ini" ] && tr -d '\r' <"$work/program/Frostel.ini" >&2
  exit 1
}

# poll SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second until it
# succeeds; fails with WHAT when the time is up or the game has ended.
poll() {
  local deadline=$((SECONDS + $1)) what="$2"
  shift 2
  until "$@"; do
    kill -0 "$pid" 2>/dev/null || fail "the game ended while waiting until $what"
    [ "$SECONDS" -lt "$deadline" ] || fail "gave up waiting until $what"
    sleep 0.1
  done
}

mkdir -p "$work/program" "$work/runtime"
chmod 700 "$work/runtime"
cp "$executable" "$work/program/frostel"
for folder in "$(dirname "$executable")"/*/; do
  if compgen -G "$folder*.dat" > /dev/null; then
    cp -r "$folder" "$work/program/"
  fi
done
export XDG_RUNTIME_DIR="$work/runtime"
export LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb # the real X server, whatever the test run chose

"$work/program/frostel" &
pid=$!

# The game window, past the splash: as wide as the smallest game window.
game_window_shown() {
  local id width
  for id in $(xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null); do
    width="$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^WIDTH=//p')"
    [ "${width:-0}" -ge 800 ] && return 0
  done
  return 1
}
poll 60 "the language table is written" test -s "$work/runtime/~tmp.lng"
poll 60 "the game window shows" game_window_shown

timeout 60 "$work/program/frostel" || fail "the second start did not end at once"
kill -0 "$pid" || fail "the second start ended the first"

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the game did not end cleanly (status $status)"

settings="$work/program/Frostel.ini"
[ -f "$settings" ] || fail "closing wrote no settings file"
for line in "Status= 0" "Left= 0" "Top= 0" "Width= 12000" "Height= 9000"; do
  grep -q "^$line"$'\r$' "$settings" || fail "closing did not store \"$line\""
done
echo "1 passed, 0 failed"
