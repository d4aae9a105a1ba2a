#!/usr/bin/env bash
# The window's placement under a real window manager, which frames the window a
# moment after it shows: four sessions in a row must store the same outer size
# and place, each starting where the one before was closed; a window dragged
# below its minimum must stay where it is, at 800 x 600 outside; and a window
# that the window manager maximised is stored as maximised.
#
# Every wait is for a condition, with a limit far above what it takes on a busy
# machine.
#
# usage: placement.sh PATH/TO/frostel
set -euo pipefail
executable="$(realpath "$1")"
for tool in Xvfb openbox xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "placement: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

# Everything below runs inside its own X server.
if [ -z "${FROSTEL_PLACEMENT_DISPLAY:-}" ]; then
  export FROSTEL_PLACEMENT_DISPLAY=1
  exec bash "$(dirname "$0")/xvfb.sh" 1280x1024 bash "$0" "$@"
fi

work="$(mktemp -d)"
finish() {
  for process in "${pid:-}" "${manager:-}"; do
    if [ -n "$process" ] && kill "$process" 2>/dev/null; then
      wait "$process" 2>/dev/null || true
    fi
  done
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "placement: $*" >&2
  [ -n "${frame:-}" ] && echo "the frame last seen: $frame" >&2
  [ -f "$work/program/Frostel.ini" ] && tr -d '\r' <"$work/program/Frostel.ini" >&2
  exit 1
}

# Openbox with its own default settings, whatever the user's are.
XDG_CONFIG_HOME="$work/config" openbox >/dev/null 2>&1 &
manager=$!
manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 1 300); do
  manager_running && break
  sleep 0.1
done
manager_running || fail "openbox did not start"
root="$(xwininfo -root | awk '/Window id:/ { print $4 }')"

mkdir -p "$work/program" "$work/runtime"
chmod 700 "$work/runtime"
cp "$executable" "$work/program/frostel"
# A vocabulary, so that nothing but the game window shows.
mkdir -p "$work/program/deutsch"
printf 'Banane\r\n' >"$work/program/deutsch/eisbold.dat"
export XDG_RUNTIME_DIR="$work/runtime"
export LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb

# A normal window of 1000 x 750 outside, 100 and 80 pixels from the corner.
placement=("Left= 1500" "Top= 1200" "Width= 15000" "Height= 11250")
printf '%s\r\n' "[Window]" "Status= 0" "${placement[@]}" "[Einstellungen]" "Sound= 0" \
  "Music= 0" "[Optionen]" "Sprache= 0" >"$work/program/Frostel.ini"

# The frame of the game window: the window manager's parent of the one window of
# the game that is wider than the splash. Sets window, and frame as X,Y WxH.
find_frame() {
  local id parent
  window=""
  for id in $(xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
    [ "${WIDTH:-0}" -ge 700 ] && window="$id"
  done
  [ -n "$window" ] || return 1
  parent="$(xwininfo -id "$window" -tree | awk '/Parent window id/ { print $4 }')"
  # Until the window manager has taken the window in, it has no frame.
  [ -n "$parent" ] && [ "$parent" != "$root" ] || return 1
  frame="$(xwininfo -id "$parent" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /  Width/ { w = $2 } /  Height/ { h = $2 } END { print x "," y " " w "x" h }')"
}

# poll SECONDS WHAT COMMAND...
poll() {
  local deadline=$((SECONDS + $1)) what="$2"
  shift 2
  until "$@"; do
    kill -0 "$pid" 2>/dev/null || fail "the game ended while waiting until $what"
    [ "$SECONDS" -lt "$deadline" ] || fail "gave up waiting until $what"
    sleep 0.2
  done
}

# Shows the window and waits until the window manager has framed it.
start_session() {
  "$work/program/frostel" &
  pid=$!
  poll 60 "the game window shows" find_frame
}

# The frame is at $1 and stays there for a second.
frame_rests_at() {
  find_frame && [ "$frame" = "$1" ] || return 1
  sleep 1
  find_frame && [ "$frame" = "$1" ]
}

close_session() {
  xdotool windowactivate --sync "$window" key alt+F4
  local deadline=$((SECONDS + 60))
  while kill -0 "$pid" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the game did not end after alt+F4"
    sleep 0.1
  done
  wait "$pid" || fail "the game ended with status $?"
  pid=""
}

expect_stored() {
  local line
  for line in "$@"; do
    grep -q "^$line"$'\r$' "$work/program/Frostel.ini" || fail "$1: \"$line\" is not stored"
  done
}

for session in 1 2 3 4; do
  start_session
  poll 60 "session $session: the frame rests at 100,80 1000x750" \
    frame_rests_at "100,80 1000x750"
  close_session
  expect_stored "${placement[@]}"
done

# A drag of the bottom right corner far below the minimum.
start_session
poll 60 "the frame rests at 100,80 1000x750 before the drag" \
  frame_rests_at "100,80 1000x750"
corner_x=$((100 + 1000 - 2))
corner_y=$((80 + 750 - 2))
xdotool mousemove "$corner_x" "$corner_y"
sleep 0.3
xdotool mousedown 1
for step in 100 200 300 400; do
  xdotool mousemove $((corner_x - step)) $((corner_y - step))
  sleep 0.2
done
xdotool mouseup 1
poll 60 "after the drag the frame rests at 100,80 800x600" \
  frame_rests_at "100,80 800x600"
close_session
expect_stored "Left= 1500" "Top= 1200" "Width= 12000" "Height= 9000"

# A first start asks for a maximised window, which the window manager makes of it.
printf '%s\r\n' "[Einstellungen]" "Sound= 0" "Music= 0" "[Optionen]" "Sprache= 0" \
  >"$work/program/Frostel.ini"
start_session
maximised() { find_frame && [ "${frame#* }" = "$(xdotool getdisplaygeometry | tr ' ' x)" ]; }
poll 60 "the window manager maximises the window" maximised
close_session
expect_stored "Status= 2"
grep -q "^Width=" "$work/program/Frostel.ini" && fail "a maximised window stored its size"
echo "1 passed, 0 failed"
