#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each for a
# bounded time, starting from the seeds in tests/fuzz/corpus/<target>/ and
# with the dictionary tests/fuzz/<target>.dict where there is one.
# Run by hand, not in CI:   tests/fuzz/run.sh [seconds per target]
# New inputs collect in build/fuzz/corpus/<target>/; crashes and slow inputs
# are written to build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds="${1:-60}"
build=build/fuzz
CC=clang-14 CXX=clang++-14 cmake -S tests/fuzz -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)"

mkdir -p "$build/findings"
status=0
for target in read_number settings_line calculate; do
  mkdir -p "$build/corpus/$target"
  # A target's dictionary holds the range edges of its inputs.
  dict=()
  if [ -f "tests/fuzz/$target.dict" ]; then dict=(-dict="tests/fuzz/$target.dict"); fi
  echo "== fuzz_$target for ${seconds}s"
  # A unit running for seconds is a hang: the window must answer at once.
  "$build/fuzz_$target" "${dict[@]}" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
      "$build/corpus/$target" "tests/fuzz/corpus/$target" 2>"$build/$target.log" || status=1
  grep -E '^stat::(number_of_executed_units|new_units_added)|^==[0-9]+==|SUMMARY|Test unit written' \
      "$build/$target.log" || true
done
exit "$status"
