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

# Everything below runs inside an X server of its own, of the size that
# software centres show best (16:9).
if [ -z "${FROSTEL_SCREENSHOT_DISPLAY:-}" ]; then
  source "$here/../../scripts/setup.sh"
  install_missing_packages imagemagick
  cmake -S "$FROSTEL_ROOT" -B "$FROSTEL_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$FROSTEL_BUILD" --target frostel program_folder --parallel "$(nproc)"
  output="$(realpath -m "${1:-$FROSTEL_ROOT/resources/desktop/screenshots}")"
  mkdir -p "$output"
  export FROSTEL_SCREENSHOT_DISPLAY=1
  exec bash "$FROSTEL_ROOT/tests/smoke/xvfb.sh" 1280x720 bash "$0" "$FROSTEL_BUILD" "$output"
fi
build="$1"
output="$2"

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
  echo "screenshots: $*" >&2
  exit 1
}

XDG_CONFIG_HOME="$work/config" openbox >/dev/null 2>&1 &
manager=$!
for _ in $(seq 1 300); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

# poll SECONDS WHAT COMMAND...
poll() {
  local deadline=$((SECONDS + $1)) what="$2"
  shift 2
  until "$@"; do
    kill -0 "$pid" 2>/dev/null || fail "the game ended while waiting until $what"
    [ "$SECONDS" -lt "$deadline" ] || fail "gave up waiting until $what"
    sleep 0.1
  done
}

picture() { xwd -silent -root | md5sum; }
# Waits until the screen has shown the same picture for a second.
settle() {
  local deadline=$((SECONDS + 60)) last="" now still=0
  while [ "$still" -lt 2 ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the screen never came to rest after $1"
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

game_window() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null); do
    if [ "$(xwininfo -id "$id" 2>/dev/null | awk '/  Width/ { print $2 }')" = 1280 ]; then
      window="$id"
      return 0
    fi
  done
  return 1
}

# start LANGUAGE_FOLDER WORD SETTINGS...: the game in a fresh program folder,
# its language's vocabulary holding WORD alone, maximised.
start() {
  local folder="$1" word="$2"
  shift 2
  rm -rf "$work/program" "$work/runtime"
  mkdir -p "$work/program" "$work/runtime"
  chmod 700 "$work/runtime"
  cp -r "$build/frostel" "$build/frostel.chm" "$work/program/"
  mkdir -p "$work/program/$folder"
  printf '%s\r\n' "$word" | iconv -f UTF-8 -t WINDOWS-1252 >"$work/program/$folder/words.dat"
  printf '%s\r\n' "[Einstellungen]" "Sound= 0" "Music= 0" "Datei0=words.dat" "Datei1000=words.dat" \
    "Datei6000=words.dat" "$@" | iconv -f UTF-8 -t WINDOWS-1252 >"$work/program/Frostel.ini"
  XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb "$work/program/frostel" &
  pid=$!
  poll 60 "the game window shows maximised" game_window
  xdotool windowactivate --sync "$window"
  settle "the start"
}

stop() {
  kill "$pid"
  wait "$pid" || true
  pid=""
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
poll 20 "the options menu shows" test "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" -ge 2
xdotool key Down Return
poll 20 "the options dialog shows" test "$(xdotool getactivewindow getwindowname)" = "Options"
settle "the options dialog"
shoot options
stop

# In French, with the bird's picture story.
start français "bonhomme de neige" "Anzahl= 3" "Spieler1=Léa" "Spieler2=Hugo" \
  "Spieler3=Chloé" "Motiv= 3" "[Optionen]" "Sprache= 6000"
click_tool_button 0
settle "Start"
play "eoursnm"
shoot french
stop
