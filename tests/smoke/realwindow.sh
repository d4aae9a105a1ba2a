#!/usr/bin/env bash
# Plays one word in the real program on a real X server, the way a player does:
# waits out the splash, clicks Start, types the letters of the only word in the
# vocabulary, presses Enter for the next word, clicks End and answers Yes. Then
# checks the settings file that closing wrote.
#
# Every wait is for a condition, with a limit far above what it takes on a busy
# machine.
#
# usage: realwindow.sh PATH/TO/frostel
set -euo pipefail
executable="$(realpath "$1")"
for tool in Xvfb xdotool xwd; do
  command -v "$tool" >/dev/null || { echo "realwindow: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

# Everything below runs inside its own X server.
if [ -z "${FROSTEL_REALWINDOW_DISPLAY:-}" ]; then
  export FROSTEL_REALWINDOW_DISPLAY=1
  exec bash "$(dirname "$0")/xvfb.sh" 1280x1024 bash "$0" "$@"
fi

word="Banane"
screen_width=1280
screen_height=1024
twips_per_pixel=15 # at 96 dots per inch
window_width=800
window_height=600

work="$(mktemp -d)"
finish() {
  if [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; then
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "realwindow: $*" >&2
  if [ -f "$work/program/Frostel.ini" ]; then
    echo "settings file:" >&2
    cat "$work/program/Frostel.ini" >&2
  fi
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

# A fresh program folder: the executable, the vocabulary folders, a German
# vocabulary that holds one word, and settings that fix the window's size and
# leave its position to the game.
mkdir -p "$work/program" "$work/runtime"
chmod 700 "$work/runtime"
cp "$executable" "$work/program/frostel"
for folder in "$(dirname "$executable")"/*/; do
  if compgen -G "$folder*.dat" >/dev/null; then
    cp -r "$folder" "$work/program/"
  fi
done
[ -d "$work/program/deutsch" ] || fail "no vocabulary folder deutsch beside $executable"
printf '%s\r\n' "$word" >"$work/program/deutsch/eisbold.dat"
printf '%s\r\n' "[Window]" "Status= 0" "Width= $((window_width * twips_per_pixel))" \
  "Height= $((window_height * twips_per_pixel))" "[Einstellungen]" "Anzahl= 1" "Sound= 0" \
  "Music= 0" "Datei0=eisbold.dat" "[Optionen]" "Sprache= 0" >"$work/program/Frostel.ini"

export XDG_RUNTIME_DIR="$work/runtime"
export LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb # the tests' own offscreen default would show no window
"$work/program/frostel" &
pid=$!

# The game window: the one visible window of this process as big as asked for.
# The splash is smaller and goes before the game window is shown.
game_window() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$WIDTH" -eq "$window_width" ] && [ "$HEIGHT" -eq "$window_height" ]; then
      window="$id"
      return 0
    fi
  done
  return 1
}
visible_windows() {
  xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null | wc -l
}
poll 60 "the game window shows after the splash" game_window
poll 60 "the splash has gone" test "$(visible_windows)" -eq 1

eval "$(xdotool getwindowgeometry --shell "$window")"
left=$X
top=$Y
[ "$left" -eq $(((screen_width - window_width) / 2)) ] &&
  [ "$top" -eq $(((screen_height - window_height) / 2)) ] ||
  fail "the window stands at $left,$top, not centred"

# What the window shows, as a checksum of its pixels.
picture() { xwd -silent -id "$window" | md5sum; }
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
# The toolbar strip runs down the right edge: 37-pixel buttons from 3 pixels
# down, 44 pixels wide. These points lie in the middle of the button in slot $1
# (0 Start, 1 End).
click_tool_button() {
  xdotool mousemove "$((left + window_width - 21))" "$((top + 21 + 37 * $1))" click 1
}

settle "it was shown"
before="$(picture)"
click_tool_button 0
poll 60 "Start sets up a word" changed_since "$before"
settle "Start"

xdotool windowfocus --sync "$window"
for letter in $(echo "$word" | tr 'A-Z' 'a-z' | fold -w1 | awk '!seen[$0]++'); do
  xdotool key "$letter"
done
settle "typing the letters"

# Enter does nothing until the word has ended, and the end of a word may still
# be on its way: press it until the next word shows.
before="$(picture)"
press_enter_until_changed() {
  xdotool key Return
  sleep 0.5
  changed_since "$before"
}
poll 60 "Enter sets up the next word (the word did not end)" press_enter_until_changed
settle "Next word"

# The question is the window titled "Programm beenden"; a tooltip of the toolbar
# may show beside it.
question_shown() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null); do
    if [ "$id" != "$window" ] && [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "Programm beenden" ]; then
      question="$id"
      return 0
    fi
  done
  return 1
}
click_tool_button 1
poll 60 "End asks whether to end" question_shown
xdotool windowfocus --sync "$question"
xdotool key Return

deadline=$((SECONDS + 60))
while kill -0 "$pid" 2>/dev/null; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the game did not end after Yes"
  sleep 0.1
done
wait "$pid" || fail "the game ended with status $?"

settings="$work/program/Frostel.ini"
expect_line() {
  grep -q "^$1"$'\r$' "$settings" || fail "closing did not store \"$1\""
}
expect_line "Status= 0"
expect_line "Left= $((left * twips_per_pixel))"
expect_line "Top= $((top * twips_per_pixel))"
expect_line "Width= $((window_width * twips_per_pixel))"
expect_line "Height= $((window_height * twips_per_pixel))"
echo "1 passed, 0 failed"
