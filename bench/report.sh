#!/usr/bin/env bash
# Builds the benchmarks (Release), runs them and prints one table: each figure
# beside its target, and the machine it was measured on.
#
# usage: bench/report.sh [frostel_bench options, e.g. --benchmark_filter=GetLang]
# The build goes to build/ (FROSTEL_BUILD names another folder); the raw figures
# are kept in bench/report.json inside it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
install_missing_packages

cmake -S "$FROSTEL_ROOT" -B "$FROSTEL_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DFROSTEL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$FROSTEL_BUILD" --target frostel_bench --parallel "$(nproc)"

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

# benchmark | what is measured | figure (time, or a counter's name) | unit |
# comparison | target
targets='GetLangLookup|Text lookup (GetLang)|time|us|<=|2
SaveIniIntoA4KbFile|Settings write into a 4 KB file (SaveIni), processor time|cpu_time|us|<=|1000
LoadGameWindow|Loading the game window|time|ms|<=|50
LoadGameWindowWithA10MbSettingsFile|Loading the game window, 10 MB settings file|time|ms|<=|1000
LayoutPassWith40Characters|Layout pass with a 40-character word|time|ms|<=|0.5
VerzoegerungProcessorShare|Processor, share of one core, 10-second Verzoegerung|cpu_percent_of_one_core|%|<|2
VerzoegerungWhileQuitting|Processor, share of one core, 1.5-second Verzoegerung after quit|cpu_percent_of_one_core|%|<|2
ResidentMemoryWithTheBoardShown|Resident memory with the board shown|resident_MB|MB|<=|80
BM_ReadForPlayFullList|Vocabulary read for play, 32,767 entries|time|ms|<=|15
DrawAndSetUpAWord|Drawing and setting up a word|time|ms|<=|2
WaitingTenSecondsForNextWord|Processor, share of one core, 10 s before Next word|cpu_percent_of_one_core|%|<|2'

# Google Benchmark writes one "key": value pair a line; each benchmark is one
# object in the "benchmarks" list. Prints the table and a summary.
awk -v targets="$targets" -v crashed="$crashed" '
function unquote(text) {
    sub(/,$/, "", text)
    if (text ~ /^".*"$/)
        text = substr(text, 2, length(text) - 2)
    return text
}
function inUnit(value, from, to,    scale) {
    scale["ns"] = 1e-9; scale["us"] = 1e-6; scale["ms"] = 1e-3; scale["s"] = 1
    return value * scale[from] / scale[to]
}
function figure(value) {
    return value >= 100 ? sprintf("%.0f", value) : value >= 1 ? sprintf("%.2f", value) : sprintf("%.3g", value)
}
function keep(    base) {
    if (!("run_name" in record) || record["run_type"] == "aggregate")
        return
    base = record["run_name"]
    sub(/\/.*/, "", base)
    seen[base] = 1
    order[++count] = base
    for (key in record)
        value[base, key] = record[key]
}
/"benchmarks": \[/ { inList = 1; next }
inList && /^ *\{/ { delete record; next }
inList && /^ *\}/ { keep(); next }
inList && /^ *"[^"]+": / {
    line = $0
    sub(/^ *"/, "", line)
    key = line; sub(/".*/, "", key)
    sub(/^[^"]*": */, "", line)
    record[key] = unquote(line)
}
END {
    crashes = split(crashed, crashLines, "\n")
    for (i = 1; i <= crashes; ++i) {
        if (split(crashLines[i], c, "|") == 2)
            exitStatus[c[1]] = c[2] > 128 ? "crashed (signal " c[2] - 128 ")" : "failed (exit status " c[2] ")"
    }
    rows = split(targets, lines, "\n")
    printf "%-52s %12s  %-10s %s\n", "measure", "figure", "target", "verdict"
    printf "%-52s %12s  %-10s %s\n", "-------", "------", "------", "-------"
    for (i = 1; i <= rows; ++i) {
        split(lines[i], t, "|")
        name = t[1]; listed[name] = 1
        target = t[5] " " t[6] " " t[4]
        if (name in exitStatus) {
            printf "%-52s %12s  %-10s %s\n", t[2], "-", target, exitStatus[name]
            ++failed
            continue
        }
        if (!(name in seen)) {
            printf "%-52s %12s  %-10s %s\n", t[2], "-", target, "not measured"
            ++missing
            continue
        }
        if (value[name, "error_occurred"] == "true") {
            printf "%-52s %12s  %-10s %s\n", t[2], "-", target, "failed: " value[name, "error_message"]
            ++failed
            continue
        }
        if (t[3] == "time")
            measured = inUnit(value[name, "real_time"], value[name, "time_unit"], t[4])
        else if ((name, t[3]) in value)
            measured = value[name, t[3]] + 0
        else {
            printf "%-52s %12s  %-10s %s\n", t[2], "-", target, "not measured (no " t[3] ")"
            ++missing
            continue
        }
        met = t[5] == "<" ? measured < t[6] : measured <= t[6]
        printf "%-52s %12s  %-10s %s\n", t[2], figure(measured) " " t[4], target, met ? "meets" : "MISSES"
        if (met) ++meets; else ++misses
    }
    for (i = 1; i <= count; ++i) {
        name = order[i]
        if (name in listed || name in exitStatus)
            continue
        printf "%-52s %12s  %-10s %s\n", name, figure(inUnit(value[name, "real_time"], value[name, "time_unit"], "ms")) " ms", "-", "no target"
    }
    for (name in exitStatus) {
        if (!(name in listed)) {
            printf "%-52s %12s  %-10s %s\n", name, "-", "-", exitStatus[name]
            ++failed
        }
    }
    printf "\n%d met, %d missed, %d not measured, %d failed\n", meets, misses, missing, failed
}' "$json"

cpu="$(grep -m1 '^model name' /proc/cpuinfo | sed 's/^[^:]*: *//')"
memory="$(awk '/^MemTotal:/ { printf "%.1f GB", $2 / 1048576 }' /proc/meminfo)"
echo "Machine: ${cpu:-unknown processor}, $(nproc) cores, $memory memory, kernel $(uname -sr)"
if [ -n "$crashed" ]; then
  echo "Some benchmarks did not finish; their messages are in $log" >&2
  exit 1
fi
