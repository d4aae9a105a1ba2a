#!/usr/bin/env bash
# Builds the fuzzers into build-fuzz/ and runs them, two at a time.
#
#   fuzz/run.sh [SECONDS] [HARNESS...]
#
# SECONDS defaults to 60; HARNESS is ini, langtable, vocabulary or password
# (default: all). Each harness grows its corpus in build-fuzz/corpus/<harness>
# from the seeds in fuzz/corpus/<harness>; crashing inputs go to
# build-fuzz/findings/, logs to build-fuzz/logs/. Exits non-zero when a harness
# found something.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build-fuzz"
ALL=(ini langtable vocabulary password)

seconds=60
if [[ $# -gt 0 && $1 =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
harnesses=("$@")
[[ ${#harnesses[@]} -gt 0 ]] || harnesses=("${ALL[@]}")

# Long enough for the structures of each kind of file (a whole language table),
# short enough to stay fast.
max_len() {
  case $1 in
    ini) echo 4096 ;;
    langtable) echo 20000 ;;
    vocabulary) echo 8192 ;;
    password) echo 1024 ;;
    *) echo "unknown harness: $1" >&2; exit 2 ;;
  esac
}
for harness in "${harnesses[@]}"; do max_len "$harness" >/dev/null; done

mkdir -p "$BUILD/findings" "$BUILD/logs"
if ! { cmake -S "$ROOT/fuzz" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 &&
       cmake --build "$BUILD" --parallel 2; } >"$BUILD/logs/build.log" 2>&1; then
  cat "$BUILD/logs/build.log" >&2
  exit 1
fi
touch "$BUILD/logs/started" # findings of earlier runs are not counted again

# The harnesses write a file or two per input; on a disk file system the renames
# wait for the disk, in memory they do not.
scratch_base=/tmp
if [[ -d /dev/shm && -w /dev/shm ]]; then
  scratch_base=/dev/shm
fi

run_one() {
  local harness=$1
  local corpus="$BUILD/corpus/$harness"
  mkdir -p "$corpus"
  # A folder of its own, so that what a crashed harness leaves behind goes too.
  local scratch
  scratch=$(mktemp -d "$scratch_base/frostel-fuzz.XXXXXX")
  TMPDIR=$scratch "$BUILD/${harness}_fuzzer" "$corpus" "$ROOT/fuzz/corpus/$harness" \
    -max_total_time="$seconds" -max_len="$(max_len "$harness")" -timeout=10 \
    -artifact_prefix="$BUILD/findings/$harness-" -print_final_stats=1 \
    >"$BUILD/logs/$harness.log" 2>&1 || true
  rm -rf "$scratch"
}

summary() {
  local harness=$1 log="$BUILD/logs/$1.log"
  local runs elapsed speed cov ft corpus findings
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  elapsed=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -oE 'ft: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
  corpus=$(grep -oE 'corp: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
  findings=$(find "$BUILD/findings" -name "$harness-*" -type f -newer "$BUILD/logs/started" | wc -l)
  printf '%-10s %10s runs in %4s s (%6s/s)  cov %5s  ft %6s  corpus %5s  findings %s\n' \
    "$harness" "${runs:-?}" "${elapsed:-?}" "${speed:-?}" "${cov:-?}" "${ft:-?}" "${corpus:-?}" \
    "$findings"
  [[ $findings -eq 0 ]] && ! grep -q 'ERROR: \|FUZZ CHECK FAILED\|deadly signal' "$log"
}

# Two at a time, one per core.
running=0
for harness in "${harnesses[@]}"; do
  if [[ $running -ge 2 ]]; then
    wait -n
    running=$((running - 1))
  fi
  run_one "$harness" &
  running=$((running + 1))
done
wait

status=0
for harness in "${harnesses[@]}"; do
  summary "$harness" || status=1
done
exit $status
