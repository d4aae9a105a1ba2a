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
for tool in Xvfb openbox xdotool xprop dbus-daemon dbus-send /usr/bin/python3 "$bus_launcher"; do
  command -v "$tool" >/dev/null || { echo "accessibility: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

# Everything below runs inside its own X server.
if [ -z "${FROSTEL_ACCESSIBILITY_DISPLAY:-}" ]; then
  export FROSTEL_ACCESSIBILITY_DISPLAY=1
  exec bash "$(dirname "$0")/xvfb.sh" 1280x1024 bash "$0" "$@"
fi

work="$(mktemp -d)"
stop() {
  if [ -n "${1:-}" ] && kill "$1" 2>/dev/null; then
    wait "$1" 2>/dev/null || true
  fi
}
finish() {
  stop "${pid:-}"
  stop "${launcher:-}"
  stop "${manager:-}"
  [ -s "$work/dbus.pid" ] && kill "$(cat "$work/dbus.pid")" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "accessibility: $*" >&2
  exit 1
}

# A fresh program folder, English, one player, no sound.
mkdir -p "$work/program" "$work/runtime"
chmod 700 "$work/runtime"
cp "$executable" "$work/program/frostel"
for folder in "$(dirname "$executable")"/*/; do
  if compgen -G "$folder*.dat" >/dev/null; then
    cp -r "$folder" "$work/program/"
  fi
done
# One word each for the languages the test plays in, so that it knows the letters.
mkdir -p "$work/program/deutsch" "$work/program/français"
printf 'Haus\r\n' >"$work/program/deutsch/eisbold.dat"
printf 'Maison\r\n' >"$work/program/français/givrelin.dat"
printf '%s\r\n' "[Window]" "Status= 0" "Width= 12000" "Height= 9000" "[Einstellungen]" \
  "Anzahl= 1" "Sound= 0" "Music= 0" "[Optionen]" "Sprache= 1000" >"$work/program/Frostel.ini"

export XDG_RUNTIME_DIR="$work/runtime"
export HOME="$work" # where the window manager and the buses keep their files

# A window manager, which gives the focus back to the game window when a dialog
# closes, as on a desktop.
openbox >/dev/null 2>&1 &
manager=$!
deadline=$((SECONDS + 30))
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  kill -0 "$manager" 2>/dev/null || fail "openbox did not start"
  [ "$SECONDS" -lt "$deadline" ] || fail "gave up waiting for openbox"
  sleep 0.1
done
export LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb # the tests' own offscreen default has no bus

# The session bus, and on it the launcher of the accessibility bus, which starts
# that bus at once and its registry when the first program asks for it.
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/dbus.address" \
  4>"$work/dbus.pid" 2>>"$work/bus.log"
DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/dbus.address")"
export DBUS_SESSION_BUS_ADDRESS
"$bus_launcher" --launch-immediately >>"$work/bus.log" 2>&1 &
launcher=$!
deadline=$((SECONDS + 30))
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
  org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; do
  kill -0 "$launcher" 2>/dev/null || fail "the accessibility bus did not start: $(cat "$work/bus.log")"
  [ "$SECONDS" -lt "$deadline" ] || fail "gave up waiting for the accessibility bus"
  sleep 0.1
done

# Qt speaks to the bus only when the desktop says a screen reader runs, or when
# told to always.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/program/frostel" &
pid=$!

# -B: no byte code left beside the reader in the source tree.
/usr/bin/python3 -B "$reader" "$pid" || fail "the screen reader's view fell short (see above)"

# Read through to its end, the game still closes as on a log-out.
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
echo "1 passed, 0 failed"
