#!/usr/bin/env bash
# Starts the real program from a program folder that its player cannot write,
# as an installed one is: run by root, the program runs as the user nobody, so
# that the folder is read-only for real. Closing must keep the settings in the
# player's own folder ~/.local/share/frostel and leave the program folder as
# it was; the next start must read them from there. It runs under Xvfb, so
# that the test sees when the game window is up; no window manager runs, so
# the window that a first start asks to be maximised stays a normal one.
#
# Every wait is for a condition, with a limit far above what it takes on a busy
# machine.
#
# usage: playerfolder.sh PATH/TO/frostel
set -euo pipefail
executable="$(realpath "$1")"
command -v xdotool >/dev/null || { echo "playerfolder: xdotool is missing (scripts/setup.sh installs it)" >&2; exit 1; }

# Everything below runs inside its own X server.
if [ -z "${FROSTEL_PLAYERFOLDER_DISPLAY:-}" ]; then
  export FROSTEL_PLAYERFOLDER_DISPLAY=1
  exec bash "$(dirname "$0")/xvfb.sh" 1280x1024 bash "$0" "$@"
fi

work="$(mktemp -d)"
finish() {
  if [ -n "${game:-}" ] && kill "$game" 2>/dev/null; then
    wait "$game" 2>/dev/null || true
  fi
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "playerfolder: $*" >&2
  [ -s "$work/game.log" ] && tail -n 20 "$work/game.log" >&2
  exit 1
}

chmod 755 "$work"
mkdir -p "$work/program" "$work/home" "$work/runtime"
cp "$executable" "$work/program/frostel"
for folder in "$(dirname "$executable")"/*/; do
  if compgen -G "$folder*.dat" >/dev/null; then
    cp -r "$folder" "$work/program/"
  fi
done
chmod -R a-w "$work/program"

as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$work/home" "$work/runtime"
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  "${as_player[@]}" test ! -w "$work/program" || fail "the user nobody can write the program folder"
fi
chmod 700 "$work/runtime"

# A sanitizer build's settings reach the game through the emptied environment;
# a suppressions file they name is copied where the player can read it.
sanitizer_settings=()
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
  value="${!name:-}"
  [ -n "$value" ] || continue
  if [[ "$value" =~ suppressions=([^:]+) ]]; then
    install -m 644 "${BASH_REMATCH[1]}" "$work/$name.supp"
    value="${value/"${BASH_REMATCH[1]}"/$work/$name.supp}"
  fi
  sanitizer_settings+=("$name=$value")
done

listing() { find "$work/program" -printf '%p %s %T@\n' | sort; }
before="$(listing)"

# The game window, past the splash: as wide as the smallest game window.
game_window_shown() {
  local id width
  for id in $(xdotool search --onlyvisible --pid "$game" --name '.' 2>/dev/null); do
    width="$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^WIDTH=//p')"
    [ "${width:-0}" -ge 800 ] && return 0
  done
  return 1
}

# play: starts the game, waits until its window shows and closes it the way a
# log-out does.
play() {
  "${as_player[@]}" env -i HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 \
    QT_QPA_PLATFORM=xcb DISPLAY="$DISPLAY" PATH="$PATH" "${sanitizer_settings[@]}" \
    "$work/program/frostel" >"$work/game.log" 2>&1 &
  game=$!
  local deadline=$((SECONDS + 60))
  until game_window_shown; do
    kill -0 "$game" 2>/dev/null || fail "the game ended at start"
    [ "$SECONDS" -lt "$deadline" ] || fail "the game window did not show"
    sleep 0.1
  done
  kill -TERM "$game"
  local status=0
  wait "$game" || status=$?
  game=""
  [ "$status" -eq 0 ] || fail "the game ended with status $status"
  rm -f "$work/runtime/~tmp.lng"
}

settings="$work/home/.local/share/frostel/Frostel.ini"
play
[ -f "$settings" ] || fail "closing wrote no settings file in the player's folder"
grep -q $'^Status= 0\r$' "$settings" && grep -q $'^Width= 12000\r$' "$settings" ||
  fail "the window's state was not stored: $(cat "$settings")"
[ "$(stat -c %a "$work/home/.local/share/frostel")" = 700 ] || fail "the player's folder is open to others"

# A normal window stored by the player: the next start must come up with it,
# and so store its size on closing.
printf '%s\r\n' "[Window]" "Status= 0" "Width= 13500" "Height= 9000" >"$settings"
play
grep -q $'^Status= 0\r$' "$settings" && grep -q $'^Width= 13500\r$' "$settings" ||
  fail "the stored window state was not read back: $(cat "$settings")"

[ "$(listing)" = "$before" ] || fail "the program folder was written"
echo "1 passed, 0 failed"
