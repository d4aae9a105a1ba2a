# What the scripts that drive the real program share; they source it. Messages
# start with the script's name, or with session_name where a script sets it
# before sourcing.
session_name="${session_name:-$(basename "$0" .sh)}"
session_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# The processes a script started, in pairs: the variable that holds the process
# id and what messages call it. A wait ends at once when one of them has ended,
# for then the condition will never come; and the script's end ends them all,
# in this order. An empty variable (not started yet, or ended on purpose) is
# passed over.
processes=(game "the game")

# require_tools TOOL...: stops before anything starts when a tool is missing,
# rather than with a puzzling failure halfway.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null ||
      { echo "$session_name: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
  done
}

# Whether the script runs inside the X server that own_x_server started for it.
# The script's own name tells, so that a script started from inside another's
# server still gets one of its own.
in_own_x_server() { [ "${FROSTEL_OWN_X_SERVER:-}" = "$0" ]; }

# own_x_server WIDTHxHEIGHT [ARGUMENT...]: runs the script again with the
# ARGUMENTs inside an X server of its own, so that tests that run at the same
# time never see each other's windows. Inside, it returns, and Qt shows the game
# on that server, whatever platform the test run chose for the other tests.
own_x_server() {
  local size="$1"
  shift
  if ! in_own_x_server; then
    export FROSTEL_OWN_X_SERVER="$0"
    exec bash "$session_dir/xvfb.sh" "$size" bash "$0" "$@"
  fi
  export QT_QPA_PLATFORM=xcb
}

# make_work_folder: $work, for everything the script makes. However the script
# ends, the processes it started end and the folder goes.
make_work_folder() {
  work="$(mktemp -d)"
  trap finish EXIT
}

finish() {
  local i
  for ((i = 0; i < ${#processes[@]}; i += 2)); do
    stop "${!processes[i]:-}"
  done
  # A test may have taken the write permission from folders it made.
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}

# stop PID: ends the process if it still runs; a process that is not a child
# (a daemon that forked) is ended all the same.
stop() {
  if [ -n "$1" ] && kill "$1" 2>/dev/null; then
    wait "$1" 2>/dev/null || true
  fi
}

# fail MESSAGE...: ends the test as failed. A script that defines on_fail adds
# there what helps to find the cause.
fail() {
  echo "$session_name: $*" >&2
  if declare -F on_fail >/dev/null; then
    on_fail || true
  fi
  exit 1
}

# show_files FILE...: the last lines of each file that has any, for a failure's
# report.
show_files() {
  local file
  for file in "$@"; do
    [ -s "$file" ] || continue
    echo "--- $file" >&2
    tail -n 30 "$file" | tr -d '\r' >&2
  done
}

# poll SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second until it
# succeeds; fails with WHAT when the time is up or a started process has ended.
# COMMAND's arguments are expanded once: a condition that must be looked at
# anew each time is a function.
poll() {
  local deadline=$((SECONDS + $1)) what="$2" i process
  shift 2
  until "$@"; do
    for ((i = 0; i < ${#processes[@]}; i += 2)); do
      process="${!processes[i]:-}"
      [ -z "$process" ] || kill -0 "$process" 2>/dev/null ||
        fail "${processes[i + 1]} ended while waiting until $what"
    done
    [ "$SECONDS" -lt "$deadline" ] || fail "gave up waiting until $what"
    sleep 0.1
  done
}

# start_window_manager: openbox with its own default settings, whatever the
# user's are; returns once it manages the screen.
start_window_manager() {
  XDG_CONFIG_HOME="$work/config" openbox >/dev/null 2>&1 &
  manager=$!
  processes+=(manager openbox)
  poll 30 "openbox manages the screen" window_manager_running
}
window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# make_program_folder FILE...: a fresh program folder $work/program with copies
# of the FILEs (the program among them; folders whole), and a fresh runtime
# folder that only its owner may enter, as the game's private folder must be.
make_program_folder() {
  rm -rf "$work/program" "$work/runtime"
  mkdir -p "$work/program" "$work/runtime"
  chmod 700 "$work/runtime"
  cp -r "$@" "$work/program/"
  export XDG_RUNTIME_DIR="$work/runtime"
  export LC_ALL=C.UTF-8
}

# copy_vocabularies EXECUTABLE: the vocabulary folders that the build puts
# beside EXECUTABLE, into the program folder.
copy_vocabularies() {
  local folder
  for folder in "$(dirname "$1")"/*/; do
    if compgen -G "$folder*.dat" >/dev/null; then
      cp -r "$folder" "$work/program/"
    fi
  done
}

# write_vocabulary FOLDER FILE WORD...: a vocabulary in the language folder
# FOLDER of the program folder, as the game stores one: a word a line, each
# ending in CR LF, in Windows-1252.
write_vocabulary() {
  mkdir -p "$work/program/$1"
  printf '%s\r\n' "${@:3}" | iconv -f UTF-8 -t WINDOWS-1252 >"$work/program/$1/$2"
}

# write_settings LINE...: the program folder's settings file, as the game
# writes it.
write_settings() {
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t WINDOWS-1252 >"$work/program/Frostel.ini"
}

# expect_stored LINE...: the settings file that closing wrote holds each LINE.
expect_stored() {
  local line
  for line in "$@"; do
    grep -q "^$line"$'\r$' "$work/program/Frostel.ini" || fail "closing did not store \"$line\""
  done
}

# start_game [NAME=VALUE...]: the program in the program folder, with these
# settings in its environment.
start_game() {
  env "$@" "$work/program/frostel" &
  game=$!
}

# await_end SECONDS HOW: waits until the game has ended HOW ("after alt+F4"),
# which it must do cleanly.
await_end() {
  local deadline=$((SECONDS + $1)) status=0
  while kill -0 "$game" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the game did not end $2"
    sleep 0.1
  done
  wait "$game" || status=$?
  game=""
  [ "$status" -eq 0 ] || fail "the game ended with status $status"
}

# end_game: closes the game the way a log-out does.
end_game() {
  kill -TERM "$game"
  await_end 60 "when told to by a log-out"
}

# game_window MIN_WIDTH: sets window to the game's visible window that is at
# least MIN_WIDTH pixels wide: the game window, past the smaller splash.
game_window() {
  local id width
  for id in $(xdotool search --onlyvisible --pid "$game" --name '.' 2>/dev/null); do
    width="$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^WIDTH=//p')"
    if [ "${width:-0}" -ge "$1" ]; then
      window="$id"
      return 0
    fi
  done
  return 1
}

# settle WHAT: waits until what the script's `picture` prints has stayed the
# same for a second, as the game has done all that WHAT set off.
settle() {
  local deadline=$((SECONDS + 60)) last="" now still=0
  while [ "$still" -lt 2 ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the window never came to rest after $1"
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
changed_since() { [ "$(picture)" != "$1" ]; }
