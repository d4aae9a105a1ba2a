#!/usr/bin/env bash
# Starts the real program in a fresh program folder under Xvfb, checks that a
# second start ends at once, closes the first the way a log-out does, and checks
# the settings file that closing wrote. No window manager runs, so nothing
# maximises the window that a first start asks to be maximised: closing stores
# it as the normal window it is.
#
# Every wait is for a condition, with a limit far above what it takes on a busy
# machine.
set -euo pipefail
executable="$(realpath "$1")"
source "$(dirname "$0")/session.sh"
require_tools xdotool
own_x_server 1280x1024 "$@"
make_work_folder
on_fail() { show_files "$work/program/Frostel.ini"; }

make_program_folder "$executable"
copy_vocabularies "$executable"
start_game

poll 60 "the language table is written" test -s "$work/runtime/~tmp.lng"
# As wide as the smallest game window.
poll 60 "the game window shows" game_window 800

timeout 60 "$work/program/frostel" || fail "the second start did not end at once"
kill -0 "$game" || fail "the second start ended the first"

end_game
[ -f "$work/program/Frostel.ini" ] || fail "closing wrote no settings file"
expect_stored "Status= 0" "Left= 0" "Top= 0" "Width= 12000" "Height= 9000"
echo "1 passed, 0 failed"
