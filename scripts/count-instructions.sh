#!/usr/bin/env bash
# Counts instructions with callgrind: one whole Calculate press and one
# real-time tick (on a day whose tick works out two phase passes and on one
# that works out three) on the benchmarks of tessaly_bench; then an hourly
# almanac row and a daily --events row of
# tessaly-cli, each the difference between a long and a one-day run divided
# by the rows between them, so that start-up is left out.
#   scripts/count-instructions.sh [path/to/tessaly_bench [path/to/tessaly-cli]]
set -euo pipefail
cd "$(dirname "$0")/.."
bench=$(realpath "${1:-build/default/bench/tessaly_bench}")
cli=$(realpath "${2:-build/default/app/tessaly-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config"
export XDG_CONFIG_HOME="$work/config"

# mean NAME BENCHMARK FUNCTION CALLER: instructions per call of FUNCTION made
# from CALLER inside the benchmark BENCHMARK. FUNCTION is the full signature:
# a pattern ending in * would also match an overload that the function calls,
# and collection would stop on entering it. Half a second under callgrind is
# a few hundred ticks or a few dozen Calculates.
mean() {
  valgrind --tool=callgrind --callgrind-out-file="$work/out" "--toggle-collect=$3" \
    "$bench" --benchmark_filter="^$2\$" --benchmark_min_time=0.5 >/dev/null 2>&1
  callgrind_annotate --tree=caller --inclusive=yes "$work/out" 2>/dev/null |
    awk -v caller="$4" -v name="$1" '
      index($0, "< ") && index($0, caller) {
        total = $1; gsub(",", "", total)
        match($0, /\([0-9,]+x\)/); calls = substr($0, RSTART + 1, RLENGTH - 3); gsub(",", "", calls)
        if (calls + 0 > best) { best = calls + 0; mean = total / calls }
      }
      END { printf "%-22s %8.0f instructions per call (%d calls)\n", name, mean, best }'
}

# total ARGS...: instructions of one tessaly-cli run.
total() {
  valgrind --tool=callgrind --callgrind-out-file="$work/cli" "$cli" "$@" 2>&1 >/dev/null |
    awk '/Collected/ { print $NF }'
}

# perRow NAME ROWS_LONG ROWS_SHORT ARGS_LONG -- ARGS_SHORT
perRow() {
  local name=$1 long=$2 short=$3
  shift 3
  local args=() ; while [ "$1" != -- ]; do args+=("$1"); shift; done; shift
  local a b
  a=$(total "${args[@]}")
  b=$(total "$@")
  awk -v a="$a" -v b="$b" -v n=$((long - short)) -v name="$name" \
    'BEGIN { printf "%-22s %8.0f instructions per row (%d rows)\n", name, (a - b) / n, n }'
}

sig='(tessaly::Engine&, tessaly::MessageSink&, double)'
mean Calculate Calculate "tessaly::Command2_Click$sig" 'anonymous namespace)::Calculate('
mean "Tick (15th, 2 passes)" Tick/15 'tessaly::MainForm::Timer1_Timer()' 'anonymous namespace)::Tick('
mean "Tick (25th, 3 passes)" Tick/25 'tessaly::MainForm::Timer1_Timer()' 'anonymous namespace)::Tick('
place=(--lon 30:15E --lat 45:0N --zone 2)
perRow "Hourly row (CSV)" 744 24 "${place[@]}" --from 1.1.2026 --days 31 --step 1h --format csv -- \
  "${place[@]}" --from 1.1.2026 --days 1 --step 1h --format csv
perRow "Daily --events row" 365 1 "${place[@]}" --from 1.1.2026 --days 365 --events -- \
  "${place[@]}" --from 1.1.2026 --days 1 --events
