#!/usr/bin/env bash
# Counts the instructions of one whole Calculate press and of one real-time
# tick with callgrind, on the Calculate and Tick benchmarks of tessaly_bench.
# The preparing Calculates, made from another call site, are left out: the
# mean is over the call site with the most calls.
#   scripts/count-instructions.sh [path/to/tessaly_bench]
set -euo pipefail
cd "$(dirname "$0")/.."
bench=$(realpath "${1:-build/default/bench/tessaly_bench}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# mean NAME BENCHMARK FUNCTION CALLER: instructions per call of FUNCTION made
# from CALLER inside the benchmark BENCHMARK. Half a second under callgrind
# is a few hundred ticks or a few dozen Calculates.
mean() {
  valgrind --tool=callgrind --callgrind-out-file="$work/out" "--toggle-collect=$3*" \
    "$bench" --benchmark_filter="^$2\$" --benchmark_min_time=0.5 >/dev/null 2>&1
  callgrind_annotate --tree=caller --inclusive=yes "$work/out" 2>/dev/null |
    awk -v caller="$4" -v name="$1" '
      index($0, "< ") && index($0, caller) {
        total = $1; gsub(",", "", total)
        match($0, /\([0-9,]+x\)/); calls = substr($0, RSTART + 1, RLENGTH - 3); gsub(",", "", calls)
        if (calls + 0 > best) { best = calls + 0; mean = total / calls }
      }
      END { printf "%-12s %7.0f instructions per call (%d calls)\n", name, mean, best }'
}

mean Calculate Calculate 'tessaly::Command2_Click' 'anonymous namespace)::Calculate('
mean "Tick (15th)" Tick/15 'tessaly::MainForm::Timer1_Timer' 'anonymous namespace)::Tick('
mean "Tick (25th)" Tick/25 'tessaly::MainForm::Timer1_Timer' 'anonymous namespace)::Tick('
