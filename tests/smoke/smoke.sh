#!/usr/bin/env bash
# Starts the real program in a fresh program folder under Xvfb, checks that a
# second start ends at once, closes the first the way a log-out does, and checks
# the settings file that closing wrote.
set -euo pipefail
executable="$(realpath "$1")"

# Everything below runs inside its own X server.
if [ -z "${FROSTEL_SMOKE_DISPLAY:-}" ]; then
  export FROSTEL_SMOKE_DISPLAY=1
  exec bash "$(dirname "$0")/xvfb.sh" 1280x1024 bash "$0" "$@"
fi
work="$(mktemp -d)"
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT

mkdir -p "$work/program" "$work/runtime"
chmod 700 "$work/runtime"
cp "$executable" "$work/program/frostel"
for folder in "$(dirname "$executable")"/*/; do
  if compgen -G "$folder*.dat" > /dev/null; then
    cp -r "$folder" "$work/program/"
  fi
done
export XDG_RUNTIME_DIR="$work/runtime"
export LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb # the real X server, whatever the test run chose

"$work/program/frostel" &
pid=$!

for _ in $(seq 1 200); do
  [ -s "$work/runtime/~tmp.lng" ] && break
  sleep 0.1
done
[ -s "$work/runtime/~tmp.lng" ] || { echo "the language table was not written"; exit 1; }
sleep 4 # past the splash

kill -0 "$pid" || { echo "the game did not keep running"; exit 1; }
timeout 20 "$work/program/frostel" || { echo "the second start did not end at once"; exit 1; }
kill -0 "$pid" || { echo "the second start ended the first"; exit 1; }

pkill -TERM -f "^$work/program/frostel"
wait "$pid" || { echo "the game did not end cleanly"; exit 1; }

settings="$work/program/Frostel.ini"
[ -f "$settings" ] || { echo "closing wrote no settings file"; exit 1; }
grep -q $'^Status= 2\r$' "$settings" || { echo "no maximised state stored:"; cat "$settings"; exit 1; }
echo "1 passed, 0 failed"
