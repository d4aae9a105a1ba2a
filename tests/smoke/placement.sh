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
source "$(dirname "$0")/session.sh"
require_tools Xvfb openbox xdotool xwininfo xprop
own_x_server 1280x1024 "$@"
make_work_folder
on_fail() {
  [ -n "${frame:-}" ] && echo "the frame last seen: $frame" >&2
  show_files "$work/program/Frostel.ini"
}

start_window_manager
root="$(xwininfo -root | awk '/Window id:/ { print $4 }')"

make_program_folder "$executable"
# A vocabulary, so that nothing but the game window shows.
write_vocabulary deutsch eisbold.dat Banane

# A normal window of 1000 x 750 outside, 100 and 80 pixels from the corner.
placement=("Left= 1500" "Top= 1200" "Width= 15000" "Height= 11250")
write_settings "[Window]" "Status= 0" "${placement[@]}" "[Einstellungen]" "Sound= 0" \
  "Music= 0" "[Optionen]" "Sprache= 0"

# The frame of the game window: the window manager's parent of the one window of
# the game that is wider than the splash. Sets window, and frame as X,Y WxH.
find_frame() {
  local parent
  game_window 700 || return 1
  parent="$(xwininfo -id "$window" -tree | awk '/Parent window id/ { print $4 }')"
  # Until the window manager has taken the window in, it has no frame.
  [ -n "$parent" ] && [ "$parent" != "$root" ] || return 1
  frame="$(xwininfo -id "$parent" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /  Width/ { w = $2 } /  Height/ { h = $2 } END { print x "," y " " w "x" h }')"
}

# Shows the window and waits until the window manager has framed it.
start_session() {
  start_game
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
  await_end 60 "after alt+F4"
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
write_settings "[Einstellungen]" "Sound= 0" "Music= 0" "[Optionen]" "Sprache= 0"
start_session
maximised() { find_frame && [ "${frame#* }" = "$(xdotool getdisplaygeometry | tr ' ' x)" ]; }
poll 60 "the window manager maximises the window" maximised
close_session
expect_stored "Status= 2"
grep -q "^Width=" "$work/program/Frostel.ini" && fail "a maximised window stored its size"
echo "1 passed, 0 failed"
