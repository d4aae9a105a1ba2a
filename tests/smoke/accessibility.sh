#!/usr/bin/env bash
# Starts the real program with a desktop's accessibility bus beside it, as a
# blind player's desktop has it, and lets accessibility.py read the program
# through that bus as a screen reader does, and hear what it announces, while
# it plays by the keyboard.
#
# usage: accessibility.sh PATH/TO/frostel
set -euo pipefail
executable="$(realpath "$1")"
reader="$(dirname "$(realpath "$0")")/accessibility.py"
bus_launcher=/usr/libexec/at-spi-bus-launcher
source "$(dirname "$0")/session.sh"
require_tools Xvfb openbox xdotool xprop dbus-daemon dbus-send /usr/bin/python3 "$bus_launcher"
own_x_server 1280x1024 "$@"
make_work_folder
on_fail() { show_files "$work/bus.log"; }

# A fresh program folder, English, one player, no sound.
make_program_folder "$executable"
copy_vocabularies "$executable"
# One word each for the languages the test plays in, so that it knows the letters.
write_vocabulary deutsch eisbold.dat Haus
write_vocabulary français givrelin.dat Maison
write_settings "[Window]" "Status= 0" "Width= 12000" "Height= 9000" "[Einstellungen]" \
  "Anzahl= 1" "Sound= 0" "Music= 0" "[Optionen]" "Sprache= 1000"
export HOME="$work" # where the window manager and the buses keep their files

# A window manager, which gives the focus back to the game window when a dialog
# closes, as on a desktop.
start_window_manager

# The session bus, and on it the launcher of the accessibility bus, which starts
# that bus at once and its registry when the first program asks for it.
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/dbus.address" \
  4>"$work/dbus.pid" 2>>"$work/bus.log"
bus="$(cat "$work/dbus.pid")"
processes+=(bus "the session bus")
DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/dbus.address")"
export DBUS_SESSION_BUS_ADDRESS
"$bus_launcher" --launch-immediately >>"$work/bus.log" 2>&1 &
launcher=$!
processes+=(launcher "the accessibility bus's launcher")
accessibility_bus_running() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
poll 30 "the accessibility bus runs" accessibility_bus_running

# Under the leak checker: Qt's accessibility bridge holds a copy of each key
# event until the registry has answered whether a screen reader takes it, and
# loses the copy when the key's widget has gone by then, as a dialog closed by
# the key before goes. The leak is Qt's, and only here is the bridge on. Qt is
# built without frame pointers, so only the slow unwinder finds the frames that
# tell the leak as Qt's.
if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]+) ]]; then
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"
  { cat "${BASH_REMATCH[1]}"; printf '%s\n' 'leak:sendThroughApplicationEventFilters' \
    'leak:QXkbCommon::lookupString'; } >"$work/lsan.supp"
  export LSAN_OPTIONS="${LSAN_OPTIONS/suppressions=${BASH_REMATCH[1]}/suppressions=$work/lsan.supp}"
fi

# Qt speaks to the bus only when the desktop says a screen reader runs, or when
# told to always.
start_game QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# -B: no byte code left beside the reader in the source tree.
/usr/bin/python3 -B "$reader" "$game" || fail "the screen reader's view fell short (see above)"

# Read through to its end, the game still closes as on a log-out.
end_game
echo "1 passed, 0 failed"
