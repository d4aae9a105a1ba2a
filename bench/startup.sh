#!/usr/bin/env bash
# Starts the real game and an empty maximised Qt Widgets window with a menu bar
# (frostel_emptywindow) side by side on one X server, under openbox and beside a
# sound server whose only output is a null sink, and measures for each:
#
# - its resident memory (VmRSS) five seconds after the start;
# - the time from the start until its first window shows. The game's first
#   window is its splash, which stands for 2.5 s before the game window shows;
#   the time to the game window is measured too, without a target.
#
# The game starts as on a player's first day: no settings file (so a maximised
# window, sound and music on), every shipped vocabulary, the music and the help
# beside it. At the five-second mark its music must be playing, or the figures
# would be those of a quieter program than players get.
#
# Each program starts in a fresh program folder with its own XDG_RUNTIME_DIR,
# alternately, ROUNDS times after one start of each to warm the disk cache; the
# medians are printed as one Google Benchmark run in JSON, with the counters
# that bench/report.sh puts beside their targets.
#
# usage: startup.sh PATH/TO/frostel PATH/TO/frostel_emptywindow [ROUNDS]
set -euo pipefail
game="$(realpath "$1")"
window="$(realpath "$2")"
rounds="${3:-7}"
for tool in xvfb-run openbox xdotool xprop pulseaudio pactl jq; do
  command -v "$tool" >/dev/null || { echo "startup: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

screen_width=1920
screen_height=1080
if [ -z "${FROSTEL_STARTUP_DISPLAY:-}" ]; then
  export FROSTEL_STARTUP_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 ${screen_width}x${screen_height}x24 -dpi 96 -nolisten tcp" \
    bash "$0" "$@"
fi

work="$(mktemp -d)"
pids=()
finish() {
  for server in ${pid:-} "${pids[@]}"; do
    kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  done
  rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "startup: $*" >&2
  exit 1
}

export LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)

# The sound server: nothing but a null sink and a socket of its own, so that it
# neither meets a sound server already running nor reaches a sound card.
mkdir -m 700 "$work/pulse"
export PULSE_SERVER="unix:$work/pulse/native"
export PULSE_COOKIE="$work/pulse/cookie"
PULSE_RUNTIME_PATH="$work/pulse" PULSE_STATE_PATH="$work/pulse" \
  pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --log-target=stderr \
  -L "module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
  -L "module-null-sink sink_name=bench" >"$work/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl info >/dev/null 2>&1 || fail "the sound server did not start: $(cat "$work/pulse.log")"
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start"

now() { date +%s%N; }
milliseconds() { echo $((($1) / 1000000)); }

# start KIND NUMBER: lays out a fresh program folder, starts the program in it
# and sets pid and started.
pid=""
start() {
  local folder="$work/$1-$2"
  mkdir -p "$folder/program" "$folder/runtime"
  chmod 700 "$folder/runtime"
  local executable="$folder/program/$(basename "$window")"
  if [ "$1" = game ]; then
    executable="$folder/program/frostel"
    cp "$game" "$executable"
    local item
    for item in "$(dirname "$game")"/*/ "$(dirname "$game")/frostel.mid"; do
      if [ -f "$item" ] || compgen -G "$item*.dat" >/dev/null || [ -f "$item/index.html" ]; then
        cp -r "${item%/}" "$folder/program/"
      fi
    done
    [ -f "$folder/program/frostel.mid" ] || fail "no frostel.mid beside $game"
  else
    cp "$window" "$executable"
  fi
  started="$(now)"
  XDG_RUNTIME_DIR="$folder/runtime" "$executable" >>"$work/programs.log" 2>&1 &
  pid=$!
}

# The ids of the visible windows of the program started last.
visible() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; }

# measure KIND NUMBER: one start; sets first_ms, resident_kb and (for the
# game) window_ms.
measure() {
  start "$1" "$2"
  local first="" splash ids deadline=$((started + 30000000000))
  while [ -z "$first" ]; do
    kill -0 "$pid" 2>/dev/null || fail "$1 ended before it showed a window (see $work/programs.log)"
    [ "$(now)" -lt "$deadline" ] || fail "$1 showed no window within 30 s"
    splash="$(visible | head -1)"
    if [ -n "$splash" ]; then
      first="$(now)"
    else
      sleep 0.01
    fi
  done
  first_ms="$(milliseconds "first - started")"
  window_ms=""
  local mark=$((started + 5000000000))
  if [ "$1" = game ]; then
    while [ -z "$window_ms" ] && [ "$(now)" -lt "$mark" ]; do
      ids="$(visible)"
      if grep -vqx "$splash" <<<"$ids"; then
        window_ms="$(milliseconds "$(now) - started")"
      else
        sleep 0.01
      fi
    done
    [ -n "$window_ms" ] || fail "the game window did not show within 5 s"
  fi
  local rest=$((mark - $(now)))
  [ "$rest" -gt 0 ] && sleep "$(awk -v ns="$rest" 'BEGIN { printf "%.3f", ns / 1e9 }')"
  resident_kb="$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")"
  if [ "$1" = game ] && [ "$(pactl list short sink-inputs | wc -l)" -eq 0 ]; then
    fail "the game plays no music five seconds after its start"
  fi
  kill -TERM "$pid"
  local ending=$(($(now) + 10000000000))
  while kill -0 "$pid" 2>/dev/null && [ "$(now)" -lt "$ending" ]; do
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}

measure window 0
measure game 0
: >"$work/window.txt"
: >"$work/game.txt"
for round in $(seq 1 "$rounds"); do
  measure window "$round"
  echo "$resident_kb $first_ms" >>"$work/window.txt"
  measure game "$round"
  echo "$resident_kb $first_ms $window_ms" >>"$work/game.txt"
done

median() {
  sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# starts FILE NAMES...: every start's figures, as a list of objects.
starts() {
  local file="$1"
  shift
  jq -Rn --arg names "$*" '[inputs | split(" ") | map(tonumber)
    | [($names | split(" ")), .] | transpose | map({key: .[0], value: .[1]}) | from_entries]' "$file"
}
jq -n --argjson rounds "$rounds" --arg screen "${screen_width}x${screen_height}" \
  --argjson gameStarts "$(starts "$work/game.txt" resident_kB first_window_ms game_window_ms)" \
  --argjson windowStarts "$(starts "$work/window.txt" resident_kB first_window_ms)" \
  --argjson gameKb "$(cut -d' ' -f1 "$work/game.txt" | median)" \
  --argjson windowKb "$(cut -d' ' -f1 "$work/window.txt" | median)" \
  --argjson gameFirst "$(cut -d' ' -f2 "$work/game.txt" | median)" \
  --argjson windowFirst "$(cut -d' ' -f2 "$work/window.txt" | median)" \
  --argjson gameWindow "$(cut -d' ' -f3 "$work/game.txt" | median)" '{
  context: {executable: "bench/startup.sh", screen: $screen, rounds: $rounds,
            game_starts: $gameStarts, window_starts: $windowStarts},
  benchmarks: [{
    name: "StartupBesideAnEmptyWindow", run_name: "StartupBesideAnEmptyWindow",
    run_type: "iteration", repetitions: 1, iterations: $rounds,
    real_time: $gameFirst, cpu_time: 0, time_unit: "ms",
    label: "medians of \($rounds) starts each; the first window of the game is its splash",
    game_resident_MB: ($gameKb / 1024), window_resident_MB: ($windowKb / 1024),
    resident_MB_above_window: (($gameKb - $windowKb) / 1024),
    game_first_window_ms: $gameFirst, window_first_window_ms: $windowFirst,
    first_window_ratio: ($gameFirst / $windowFirst), game_window_ms: $gameWindow
  }]
}'
