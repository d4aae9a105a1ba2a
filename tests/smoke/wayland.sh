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
command -v weston >/dev/null || { echo "wayland: weston is missing (scripts/setup.sh installs it)" >&2; exit 1; }

word="Banane"
twips_per_pixel=15 # at 96 dots per inch
window_width=800
window_height=600
left=4500
top=3000

work="$(mktemp -d)"
finish() {
  for process in "${game:-}" "${compositor:-}"; do
    if [ -n "$process" ] && kill "$process" 2>/dev/null; then
      wait "$process" 2>/dev/null || true
    fi
  done
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "wayland: $*" >&2
  for file in "$work/weston.log" "$work/game.log" "$work/program/Frostel.ini"; do
    if [ -s "$file" ]; then
      echo "--- $file" >&2
      tail -n 30 "$file" >&2
    fi
  done
  exit 1
}

# poll SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second until it
# succeeds; fails with WHAT when the time is up or the game has ended.
poll() {
  local deadline=$((SECONDS + $1)) what="$2"
  shift 2
  until "$@"; do
    kill -0 "$compositor" 2>/dev/null || fail "Weston ended while waiting until $what"
    if [ -n "${game:-}" ]; then
      kill -0 "$game" 2>/dev/null || fail "the game ended while waiting until $what"
    fi
    [ "$SECONDS" -lt "$deadline" ] || fail "gave up waiting until $what"
    sleep 0.1
  done
}

mkdir -p "$work/program" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
export LC_ALL=C.UTF-8
unset DISPLAY # nothing may fall back to X11

# The compositor, and the pipe and answer file of its input module.
mkfifo "$work/commands"
: >"$work/answers"
FROSTEL_WESTON_COMMANDS="$work/commands" FROSTEL_WESTON_ANSWERS="$work/answers" \
  weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 \
  --socket=frostel-wayland --no-config --idle-time=0 --modules="$module" \
  --log="$work/weston.log" &
compositor=$!
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

# A fresh program folder: the executable, the vocabulary folders, a German
# vocabulary that holds one word, and settings for a window in the normal
# state at a stored place.
cp "$executable" "$work/program/frostel"
for folder in "$(dirname "$executable")"/*/; do
  if compgen -G "$folder*.dat" >/dev/null; then
    cp -r "$folder" "$work/program/"
  fi
done
[ -d "$work/program/deutsch" ] || fail "no vocabulary folder deutsch beside $executable"
printf '%s\r\n' "$word" >"$work/program/deutsch/eisbold.dat"
printf '%s\r\n' "[Window]" "Status= 0" "Width= $((window_width * twips_per_pixel))" \
  "Height= $((window_height * twips_per_pixel))" "Left= $left" "Top= $top" \
  "[Einstellungen]" "Anzahl= 1" "Sound= 0" "Music= 0" "Datei0=eisbold.dat" \
  "[Optionen]" "Sprache= 0" >"$work/program/Frostel.ini"

QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=frostel-wayland "$work/program/frostel" \
  >"$work/game.log" 2>&1 &
game=$!

# The game window takes the keyboard when it is shown; the splash is smaller.
game_window_focused() { [ "$(send window)" = "window $window_width $window_height" ]; }
poll 60 "the game window shows after the splash" game_window_focused

picture() {
  local answer
  answer="$(send "picture $work/window.ppm")"
  [ "${answer%% *}" = picture ] || fail "no picture of the window: $answer"
  echo "${answer#picture }"
}
changed_since() { [ "$(picture)" != "$1" ]; }
# Waits until the window has shown the same picture for a second.
settle() {
  local deadline=$((SECONDS + 60)) last="" now still=0
  while [ "$still" -lt 2 ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the window never came to rest after $1"
    sleep 0.5
    now="$(picture)"
    if [ "$now" = "$last" ]; then
      still=$((still + 1))
    else
      still=0
      last="$now"
    fi
  done
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
deadline=$((SECONDS + 60))
while kill -0 "$game" 2>/dev/null; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the game did not end when its window was closed"
  sleep 0.1
done
status=0
wait "$game" || status=$?
game=""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
grep -q "qt.qpa.plugin" "$work/game.log" && fail "Qt did not load its Wayland platform"

settings="$work/program/Frostel.ini"
expect_line() {
  grep -q "^$1"$'\r$' "$settings" || fail "closing did not leave \"$1\""
}
expect_line "Status= 0"
expect_line "Width= $((window_width * twips_per_pixel))"
expect_line "Height= $((window_height * twips_per_pixel))"
expect_line "Left= $left"
expect_line "Top= $top"
echo "1 passed, 0 failed"
