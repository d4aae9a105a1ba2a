#!/usr/bin/env bash
# Plays one word in the real program on Wayland: under a headless Weston, with
# Qt's own Wayland platform, the way a player does. The Weston module beside
# this script gives the compositor a keyboard and a pointer. Waits out the
# splash, clicks Start, types the letters of the only word in the vocabulary,
# presses Enter for the next word and closes the window with its close box.
# Then checks the settings file: Wayland tells a program nothing of where its
# window stands, so the stored position must stay as it was.
#
# Every wait is for a condition, with a limit far above what it takes on a busy
# machine.
#
# usage: wayland.sh PATH/TO/frostel PATH/TO/westoninput.so
set -euo pipefail
executable="$(realpath "$1")"
module="$(realpath "$2")"
source "$(dirname "$0")/session.sh"
require_tools weston

word="Banane"
twips_per_pixel=15 # at 96 dots per inch
window_width=800
window_height=600
left=4500
top=3000

make_work_folder
on_fail() { show_files "$work/weston.log" "$work/game.log" "$work/program/Frostel.ini"; }

make_program_folder "$executable"
unset DISPLAY # nothing may fall back to X11

# The compositor, and the pipe and answer file of its input module.
mkfifo "$work/commands"
: >"$work/answers"
FROSTEL_WESTON_COMMANDS="$work/commands" FROSTEL_WESTON_ANSWERS="$work/answers" \
  weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 \
  --socket=frostel-wayland --no-config --idle-time=0 --modules="$module" \
  --log="$work/weston.log" &
compositor=$!
processes+=(compositor Weston)
poll 60 "Weston listens" test -S "$XDG_RUNTIME_DIR/frostel-wayland"

# send COMMAND: hands one command to the input module and prints its answer.
send() {
  local before
  before="$(wc -l <"$work/answers")"
  # A pipe nobody reads blocks its writer: give up when Weston has gone.
  timeout 60 bash -c 'echo "$1" >"$2"' send "$1" "$work/commands" ||
    fail "Weston did not take \"$1\""
  local deadline=$((SECONDS + 60))
  until [ "$(wc -l <"$work/answers")" -gt "$before" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "Weston did not answer \"$1\""
    sleep 0.05
  done
  tail -n 1 "$work/answers"
}

# The vocabulary folders, a German vocabulary that holds one word, and settings
# for a window in the normal state at a stored place.
copy_vocabularies "$executable"
[ -d "$work/program/deutsch" ] || fail "no vocabulary folder deutsch beside $executable"
write_vocabulary deutsch eisbold.dat "$word"
write_settings "[Window]" "Status= 0" "Width= $((window_width * twips_per_pixel))" \
  "Height= $((window_height * twips_per_pixel))" "Left= $left" "Top= $top" \
  "[Einstellungen]" "Anzahl= 1" "Sound= 0" "Music= 0" "Datei0=eisbold.dat" \
  "[Optionen]" "Sprache= 0"

start_game QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=frostel-wayland >"$work/game.log" 2>&1

# The game window takes the keyboard when it is shown; the splash is smaller.
game_window_focused() { [ "$(send window)" = "window $window_width $window_height" ]; }
poll 60 "the game window shows after the splash" game_window_focused

picture() {
  local answer
  answer="$(send "picture $work/window.ppm")"
  [ "${answer%% *}" = picture ] || fail "no picture of the window: $answer"
  echo "${answer#picture }"
}
# Qt draws the window's frame itself on Weston: 30 pixels of title bar above,
# 3 at the sides. Inside, the toolbar strip hangs at the right edge from the
# top, as realwindow.sh describes: slot 0 is Start.
click_tool_button() {
  send "click $((window_width - 3 - 21)) $((30 + 20 + 37 * $1))" >/dev/null
}

settle "it was shown"
before="$(picture)"
click_tool_button 0
poll 60 "Start sets up a word" changed_since "$before"
settle "Start"

# Evdev key codes of the letters, in the order of the keyboard's rows.
key_code() {
  local rows="qwertyuiop asdfghjkl zxcvbnm" first=(16 30 44) row=0 letters
  for letters in $rows; do
    local prefix="${letters%%"$1"*}"
    if [ "$prefix" != "$letters" ]; then
      echo $((first[row] + ${#prefix}))
      return
    fi
    row=$((row + 1))
  done
  fail "no key for $1"
}
for letter in $(echo "$word" | tr 'A-Z' 'a-z' | fold -w1 | awk '!seen[$0]++'); do
  send "key $(key_code "$letter")" >/dev/null
done
settle "typing the letters"

# Enter does nothing until the word has ended: press it until the next word shows.
before="$(picture)"
press_enter_until_changed() {
  send "key 28" >/dev/null
  sleep 0.5
  changed_since "$before"
}
poll 60 "Enter sets up the next word (the word did not end)" press_enter_until_changed
settle "Next word"

[ "$(send close)" = ok ] || fail "the window could not be asked to close"
await_end 60 "when its window was closed"
grep -q "qt.qpa.plugin" "$work/game.log" && fail "Qt did not load its Wayland platform"

expect_stored "Status= 0" "Width= $((window_width * twips_per_pixel))" \
  "Height= $((window_height * twips_per_pixel))" "Left= $left" "Top= $top"
echo "1 passed, 0 failed"
