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
source "$(dirname "$0")/session.sh"
require_tools xdotool
own_x_server 1280x1024 "$@"
make_work_folder
on_fail() { show_files "$work/game.log"; }

chmod 755 "$work"
make_program_folder "$executable"
copy_vocabularies "$executable"
chmod -R a-w "$work/program"
mkdir -p "$work/home"

as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$work/home" "$work/runtime"
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  "${as_player[@]}" test ! -w "$work/program" || fail "the user nobody can write the program folder"
fi

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

# play: starts the game, waits until its window shows and closes it the way a
# log-out does.
play() {
  "${as_player[@]}" env -i HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 \
    QT_QPA_PLATFORM=xcb DISPLAY="$DISPLAY" PATH="$PATH" "${sanitizer_settings[@]}" \
    "$work/program/frostel" >"$work/game.log" 2>&1 &
  game=$!
  # As wide as the smallest game window.
  poll 60 "the game window shows" game_window 800
  end_game
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
