#!/usr/bin/env bash
# The keyboard focus under a real window manager: after the vocabulary editor's
# "Save changes?" is answered No, the options dialog has the focus again, so
# that its access keys work without a click first. Three rounds in a row, as
# the focus was lost in most of them.
#
# usage: dialogfocus.sh PATH/TO/frostel
set -euo pipefail
executable="$(realpath "$1")"
for tool in Xvfb openbox xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "dialogfocus: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

# Everything below runs inside its own X server.
if [ -z "${FROSTEL_DIALOGFOCUS_DISPLAY:-}" ]; then
  export FROSTEL_DIALOGFOCUS_DISPLAY=1
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
  echo "dialogfocus: $*" >&2
  echo "active window: $(active_name)" >&2
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

mkdir -p "$work/program/english" "$work/runtime"
chmod 700 "$work/runtime"
cp "$executable" "$work/program/frostel"
printf 'APPLE\r\n' >"$work/program/english/frostel.dat"
printf '%s\r\n' "[Window]" "Status= 0" "Width= 12000" "Height= 9000" "[Einstellungen]" \
  "Sound= 0" "Music= 0" "[Optionen]" "Sprache= 1000" >"$work/program/Frostel.ini"
export XDG_RUNTIME_DIR="$work/runtime"
export LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb
"$work/program/frostel" &
pid=$!

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

active_name() { xdotool getactivewindow getwindowname 2>/dev/null || true; }
focus_name() { xdotool getwindowfocus getwindowname 2>/dev/null || true; }
active_is() { [ "$(active_name)" = "$1" ]; }
# The keyboard goes to the window that has the focus, whatever the window
# manager shows as active.
focus_is() { active_is "$1" && [ "$(focus_name)" = "$1" ]; }
visible_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
# The game window is the one as wide as the settings ask for; the splash is smaller.
game_window() {
  local id width
  for id in $(xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null); do
    width="$(xwininfo -id "$id" 2>/dev/null | awk '/  Width/ { print $2 }')"
    if [ "${width:-0}" -ge 700 ]; then
      window="$id"
      return 0
    fi
  done
  return 1
}
question_up() { active_is "frostel.dat" && [ "$(xdotool getactivewindow)" != "$editor" ]; }

poll 60 "the game window shows" game_window
poll 30 "the game window has the focus" focus_is "Frostel"

# The gear of the toolbar strip down the right edge opens the options menu,
# whose first entry opens the dialog.
left="$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { print $4 }')"
top="$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ { print $4 }')"
width="$(xwininfo -id "$window" | awk '/  Width/ { print $2 }')"
xdotool mousemove "$((left + width - 21))" "$((top + 21 + 37 * 5))" click 1
poll 20 "the options menu shows" test "$(visible_windows)" -ge 2
xdotool key Down Return
poll 20 "the options dialog has the focus" focus_is "Options"

for round in 1 2 3; do
  xdotool key alt+e
  poll 20 "round $round: the editor has the focus" focus_is "frostel.dat"
  editor="$(xdotool getactivewindow)"
  xdotool type fig
  xdotool key Return alt+o
  poll 20 "round $round: the editor asks whether to save" question_up
  xdotool key alt+n
  poll 20 "round $round: the options dialog has the focus again after No" focus_is "Options"
done

xdotool key alt+o
poll 20 "the game window has the focus after OK" focus_is "Frostel"
xdotool key alt+F4
deadline=$((SECONDS + 30))
while kill -0 "$pid" 2>/dev/null; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the game did not end after alt+F4"
  sleep 0.1
done
wait "$pid" || fail "the game ended with status $?"
pid=""
echo "1 passed, 0 failed"
