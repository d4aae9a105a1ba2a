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
source "$(dirname "$0")/session.sh"
require_tools Xvfb xdotool xwd
own_x_server 1280x1024 "$@"

word="Banane"
screen_width=1280
screen_height=1024
twips_per_pixel=15 # at 96 dots per inch
window_width=800
window_height=600

make_work_folder
on_fail() { show_files "$work/program/Frostel.ini"; }

# A fresh program folder: the executable, the vocabulary folders, a German
# vocabulary that holds one word, and settings that fix the window's size and
# leave its position to the game.
make_program_folder "$executable"
copy_vocabularies "$executable"
[ -d "$work/program/deutsch" ] || fail "no vocabulary folder deutsch beside $executable"
write_vocabulary deutsch eisbold.dat "$word"
write_settings "[Window]" "Status= 0" "Width= $((window_width * twips_per_pixel))" \
  "Height= $((window_height * twips_per_pixel))" "[Einstellungen]" "Anzahl= 1" "Sound= 0" \
  "Music= 0" "Datei0=eisbold.dat" "[Optionen]" "Sprache= 0"
start_game

# The game window: the one visible window of this process as big as asked for.
# The splash is smaller and goes before the game window is shown.
game_window_as_asked() {
  game_window "$window_width" || return 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" -eq "$window_width" ] && [ "$HEIGHT" -eq "$window_height" ]
}
splash_gone() {
  [ "$(xdotool search --onlyvisible --pid "$game" --name '.' 2>/dev/null | wc -l)" -eq 1 ]
}
poll 60 "the game window shows after the splash" game_window_as_asked
poll 60 "the splash has gone" splash_gone

eval "$(xdotool getwindowgeometry --shell "$window")"
left=$X
top=$Y
[ "$left" -eq $(((screen_width - window_width) / 2)) ] &&
  [ "$top" -eq $(((screen_height - window_height) / 2)) ] ||
  fail "the window stands at $left,$top, not centred"

# What the window shows, as a checksum of its pixels.
picture() { xwd -silent -id "$window" | md5sum; }
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
  for id in $(xdotool search --onlyvisible --pid "$game" --name '.' 2>/dev/null); do
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
await_end 60 "after Yes"

expect_stored "Status= 0" "Left= $((left * twips_per_pixel))" "Top= $((top * twips_per_pixel))" \
  "Width= $((window_width * twips_per_pixel))" "Height= $((window_height * twips_per_pixel))"
echo "1 passed, 0 failed"
