#!/usr/bin/env bash
# Builds the benchmarks (Release), runs them and prints one table: each figure
# beside its target, and the machine it was measured on.
#
# usage: bench/report.sh [frostel_bench options, e.g. --benchmark_filter=GetLang]
# The build goes to build/ (FROSTEL_BUILD names another folder); the raw figures
# are kept in bench/report.json inside it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
install_missing_packages "${FROSTEL_BENCH_PACKAGES[@]}"

cmake -S "$FROSTEL_ROOT" -B "$FROSTEL_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DFROSTEL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$FROSTEL_BUILD" --target frostel_bench frostel frostel_emptywindow program_folder \
  --parallel "$(nproc)"

# Each benchmark runs in a process of its own, so that one that crashes costs
# only its own figure.
bench="$FROSTEL_BUILD/bench/frostel_bench"
json="$FROSTEL_BUILD/bench/report.json"
log="$FROSTEL_BUILD/bench/report.log"
: >"$json"
: >"$log"
crashed=""
for name in $("$bench" --benchmark_list_tests "$@" 2>/dev/null | sed 's|/.*||' | awk '!seen[$0]++'); do
  echo "running $name" >&2
  status=0
  "$bench" --benchmark_format=json "$@" "--benchmark_filter=^$name(/|\$)" >>"$json" 2>>"$log" ||
    status=$?
  if [ "$status" -ne 0 ]; then
    crashed+="$name|$status"$'\n'
  fi
done

# The real program's start beside an empty window's, on a real X server; it
# obeys a --benchmark_filter as the others do.
filter=""
for option in "$@"; do
  case "$option" in --benchmark_filter=*) filter="${option#*=}" ;; esac
done
name=StartupBesideAnEmptyWindow
if [ -z "$filter" ] || grep -Eq -- "$filter" <<<"$name"; then
  echo "running $name" >&2
  status=0
  bash "$FROSTEL_ROOT/bench/startup.sh" "$FROSTEL_BUILD/frostel" \
    "$FROSTEL_BUILD/bench/frostel_emptywindow" >>"$json" 2>>"$log" || status=$?
  if [ "$status" -ne 0 ]; then
    crashed+="$name|$status"$'\n'
  fi
fi

# benchmark | what is measured | figure (time, cpu_time or a counter's name) |
# unit | comparison | target; a comparison "-" is a figure shown without one
targets='GetLangLookup|Text lookup (GetLang)|time|us|<=|2
SaveIniIntoA4KbFile|Settings write into a 4 KB file (SaveIni), processor time|cpu_time|us|<=|1000
LoadGameWindow|Loading the game window|time|ms|<=|50
LoadGameWindowWithA10MbSettingsFile|Loading the game window, 10 MB settings file|time|ms|<=|1000
LayoutPassWith40Characters|Layout pass with a 40-character word|time|ms|<=|0.5
VerzoegerungProcessorShare|Processor, share of one core, 10-second Verzoegerung|cpu_percent_of_one_core|%|<|2
ResidentMemoryWithTheBoardShown|Resident memory with the board shown|resident_MB|MB|<=|80
BM_ReadForPlayFullList|Vocabulary read for play, 32,767 entries|time|ms|<=|15
DrawAndSetUpAWord|Drawing and setting up a word|time|ms|<=|2
WaitingTenSecondsForNextWord|Processor, share of one core, 10 s before Next word|cpu_percent_of_one_core|%|<|2
StartupBesideAnEmptyWindow|Resident memory 5 s after start, above an empty window|resident_MB_above_window|MB|<=|20
StartupBesideAnEmptyWindow|  the game, music playing|game_resident_MB|MB|-|-
StartupBesideAnEmptyWindow|  an empty maximised window with a menu bar|window_resident_MB|MB|-|-
StartupBesideAnEmptyWindow|First window (the game'"'"'s splash), times the empty window'"'"'s|first_window_ratio|x|<=|1.5
StartupBesideAnEmptyWindow|  the game'"'"'s splash|game_first_window_ms|ms|-|-
StartupBesideAnEmptyWindow|  the empty window|window_first_window_ms|ms|-|-
StartupBesideAnEmptyWindow|  the game window, after the 2.5 s splash|game_window_ms|ms|-|-'

# One line a row, fields split by the unit separator (so that empty ones stay): what is measured, the figure (empty when
# there is none), its unit, the target and the verdict. Google Benchmark writes
# one JSON document a run; they are read as one list.
rows="$(jq -rs --arg targets "$targets" --arg crashed "$crashed" '
def scale: {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1};
def inUnit($from; $to): . * (scale | .[$from]) / (scale | .[$to]);
def exitText: if . > 128 then "crashed (signal \(. - 128))" else "failed (exit status \(.))" end;

([.[] | .benchmarks[]? | select(.run_type != "aggregate")
  | {key: (.run_name // .name | sub("/.*"; "")), value: .}] | from_entries) as $runs
| ($crashed | split("\n") | map(select(. != "") | split("|") | {key: .[0], value: (.[1] | tonumber)})
  | from_entries) as $exits
| ($targets | split("\n") | map(split("|"))) as $rows
| ($rows | map(.[0])) as $listed
| ($rows[] as [$name, $what, $field, $unit, $compare, $target]
   | "\($compare) \($target) \($unit)" as $goal
   | (if $runs[$name].error_occurred then null else $runs[$name] end) as $run
   | if $compare == "-" then [$what, (if $exits[$name] then null else $run[$field]? end) // "", $unit, "-", ""]
     elif $exits[$name] then [$what, "", $unit, $goal, ($exits[$name] | exitText)]
     elif $runs[$name] == null then [$what, "", $unit, $goal, "not measured"]
     elif $runs[$name].error_occurred then [$what, "", $unit, $goal, "failed: \($runs[$name].error_message)"]
     else (if $field == "time" then $run.real_time | inUnit($run.time_unit; $unit)
          elif $field == "cpu_time" then $run.cpu_time | inUnit($run.time_unit; $unit)
          else $run[$field] end) as $figure
       | if $figure == null then [$what, "", $unit, $goal, "not measured (no \($field))"]
         else ($target | tonumber) as $limit
           | (if $compare == "<" then $figure < $limit else $figure <= $limit end) as $met
           | [$what, $figure, $unit, $goal, (if $met then "meets" else "MISSES" end)]
         end
     end),
  ($runs | to_entries[] | select(.key as $name | ($listed | any(. == $name)) | not)
   | select($exits[.key] == null) | .value as $run
   | [.key, ($run.real_time | inUnit($run.time_unit; "ms")), "ms", "-", "no target"]),
  ($exits | to_entries[] | select(.key as $name | ($listed | any(. == $name)) | not)
   | [.key, "", "", "-", (.value | exitText)])
| map(tostring) | join("\u001f")
' "$json")"

figure() {
  LC_NUMERIC=C awk -v value="$1" 'BEGIN {
    printf(value >= 100 ? "%.0f" : value >= 1 ? "%.2f" : "%.3g", value) }'
}

format="%-64s %12s  %-10s %s\n"
printf "$format" "measure" "figure" "target" "verdict"
printf "$format" "-------" "------" "------" "-------"
meets=0 misses=0 missing=0 failed=0
while IFS=$'\x1f' read -r what value unit goal verdict; do
  shown="-"
  if [ -n "$value" ]; then
    shown="$(figure "$value") $unit"
  fi
  printf "$format" "$what" "$shown" "$goal" "$verdict"
  case "$verdict" in
  meets) meets=$((meets + 1)) ;;
  MISSES) misses=$((misses + 1)) ;;
  "" | "no target") ;;
  "not measured"*) missing=$((missing + 1)) ;;
  *) failed=$((failed + 1)) ;;
  esac
done <<<"$rows"
printf "\n%d met, %d missed, %d not measured, %d failed\n" "$meets" "$misses" "$missing" "$failed"

cpu="$(grep -m1 '^model name' /proc/cpuinfo | sed 's/^[^:]*: *//')"
memory="$(awk '/^MemTotal:/ { printf "%.1f GB", $2 / 1048576 }' /proc/meminfo)"
echo "Machine: ${cpu:-unknown processor}, $(nproc) cores, $memory memory, kernel $(uname -sr)"
if [ -n "$crashed" ]; then
  echo "Some benchmarks did not finish; their messages are in $log" >&2
  exit 1
fi
