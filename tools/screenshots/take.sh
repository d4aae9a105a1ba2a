#!/usr/bin/env bash
# Takes the screenshots that software centres show of the game (the metainfo
# names them) from the real program: builds it, starts it on an X server of
# its own under openbox, plays as a player does and photographs the screen.
# The maker publishes the pictures under the addresses the metainfo gives.
#
# usage: tools/screenshots/take.sh [OUTPUT_FOLDER]
#        (default: resources/desktop/screenshots; the build goes to build/ or
#        to the folder FROSTEL_BUILD names)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
session_name=screenshots
source "$here/../../tests/smoke/session.sh"

# Everything below runs inside an X server of its own, of the size that
# software centres show best (16:9).
if ! in_own_x_server; then
  source "$here/../../scripts/setup.sh"
  install_missing_packages imagemagick
  cmake -S "$FROSTEL_ROOT" -B "$FROSTEL_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$FROSTEL_BUILD" --target frostel program_folder --parallel "$(nproc)"
  output="$(realpath -m "${1:-$FROSTEL_ROOT/resources/desktop/screenshots}")"
  mkdir -p "$output"
  set -- "$FROSTEL_BUILD" "$output"
fi
own_x_server 1280x720 "$@"
build="$1"
output="$2"

make_work_folder
start_window_manager

picture() { xwd -silent -root | md5sum; }

# start LANGUAGE_FOLDER WORD SETTINGS...: the game in a fresh program folder,
# its language's vocabulary holding WORD alone, maximised.
start() {
  local folder="$1" word="$2"
  shift 2
  make_program_folder "$build/frostel" "$build/frostel.chm"
  write_vocabulary "$folder" words.dat "$word"
  write_settings "[Einstellungen]" "Sound= 0" "Music= 0" "Datei0=words.dat" "Datei1000=words.dat" \
    "Datei6000=words.dat" "$@"
  start_game
  # The screen's width: maximised.
  poll 60 "the game window shows maximised" game_window 1280
  xdotool windowactivate --sync "$window"
  settle "the start"
}

# The toolbar strip runs down the right edge: slot 0 is Start, slot 5 the gear.
click_tool_button() {
  local left top
  left="$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { print $4 }')"
  top="$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ { print $4 }')"
  xdotool mousemove "$((left + 1280 - 21))" "$((top + 21 + 37 * $1))" click 1
  # The pointer and its tooltips stay out of the pictures.
  xdotool mousemove 0 719
}

# play LETTERS: types each letter once the game has taken the one before.
play() {
  local letter
  for letter in $(echo "$1" | fold -w1); do
    xdotool key "$letter"
    settle "the letter $letter"
  done
}

menu_shown() { [ "$(xdotool search --onlyvisible --pid "$game" | wc -l)" -ge 2 ]; }
options_active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "Options" ]; }

shoot() {
  import -window root -strip "$output/$1.png"
  echo "wrote $output/$1.png"
}

# A word half guessed by two players: two right letters, a wrong one that
# passes the turn, two more right ones and a second wrong one.
start english "snowflake" "Anzahl= 2" "Spieler1=Anna" "Spieler2=Ben" "Motiv= 1" \
  "[Optionen]" "Sprache= 1000"
click_tool_button 0
settle "Start"
play "sntoki"
shoot board

# The options over the board.
click_tool_button 5
poll 20 "the options menu shows" menu_shown
xdotool key Down Return
poll 20 "the options dialog shows" options_active
settle "the options dialog"
shoot options
end_game

# In French, with the bird's picture story.
start français "bonhomme de neige" "Anzahl= 3" "Spieler1=Léa" "Spieler2=Hugo" \
  "Spieler3=Chloé" "Motiv= 3" "[Optionen]" "Sprache= 6000"
click_tool_button 0
settle "Start"
play "eoursnm"
shoot french
end_game
