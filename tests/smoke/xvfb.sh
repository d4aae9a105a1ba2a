#!/usr/bin/env bash
# Runs a command under an X server of its own. Xvfb chooses a free display
# itself (-displayfd), so tests that run at the same time never reach for the
# same one, as two searches for a free number can.
#
# usage: xvfb.sh WIDTHxHEIGHT COMMAND [ARGUMENT...]
set -euo pipefail
size="$1"
shift
command -v Xvfb >/dev/null || { echo "xvfb: Xvfb is missing (scripts/setup.sh installs it)" >&2; exit 1; }

display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp 3>"$display_file" 2>/dev/null &
server=$!
finish() {
  kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -f "$display_file"
}
trap finish EXIT

# The display's number arrives once the server takes connections; a busy
# machine may take its time.
for _ in $(seq 1 1200); do
  [ -s "$display_file" ] && break
  kill -0 "$server" 2>/dev/null || { echo "xvfb: the X server did not start" >&2; exit 1; }
  sleep 0.05
done
[ -s "$display_file" ] || { echo "xvfb: the X server named no display" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$display_file")" "$@"
