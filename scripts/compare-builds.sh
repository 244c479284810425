#!/usr/bin/env bash
# Proves that two builds compute the same texts: runs both tessaly-cli
# programs on the same pseudo-random moments and places (dates 1700 to 2100,
# every zone step, both hemispheres up to the poles, every azimuth reference,
# both languages), writes one JSON line per moment for each, and compares the
# two files byte for byte. Then runs both on almanac ranges (hourly and
# daily rows, --events, the year grid; table, CSV and JSON Lines; with and
# without --tz across the changes of offset) and the new one again on one
# core only, for ranges long enough to be shared among cores. Prints the
# number of moments and of ranges and the first difference, if any; exits 1
# on a difference.
#   scripts/compare-builds.sh OLD_CLI NEW_CLI [MOMENTS] [OUTPUT_FOLDER]
# MOMENTS defaults to 20000; the JSON Lines stay in OUTPUT_FOLDER (default: a
# temporary folder, removed afterwards). OLD_CLI may also name an existing
# JSON Lines file made earlier with the same MOMENTS.
set -euo pipefail
old=${1:?usage: compare-builds.sh OLD_CLI NEW_CLI [MOMENTS] [OUTPUT_FOLDER]}
new=${2:?usage: compare-builds.sh OLD_CLI NEW_CLI [MOMENTS] [OUTPUT_FOLDER]}
moments=${3:-20000}
out=${4:-}
command -v jq >/dev/null || { echo "compare-builds.sh needs jq" >&2; exit 64; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -n "$out" ] || out="$work"
mkdir -p "$out" "$work/config"
# No saved settings: every run starts from the window's initial fields.
export XDG_CONFIG_HOME="$work/config"

# A fixed linear congruential sequence (Park and Miller), so that every awk
# gives the same moments.
awk -v n="$moments" 'BEGIN {
  x = 20261207
  split("north south south-signed", azimuth, " ")
  split("en ru", language, " ")
  for (i = 0; i < n; i++) {
    for (j = 1; j <= 12; j++) { x = (x * 16807) % 2147483647; r[j] = x / 2147483647 }
    printf "--date %d.%d.%d --time %d:%d:%d --zone %s --lon %d:%d%s --lat %d:%d%s --azimuth %s --lang %s\n",
      1 + int(r[1] * 31), 1 + int(r[2] * 12), 1700 + int(r[3] * 401),
      int(r[4] * 24), int(r[5] * 60), int(r[6] * 60),
      (int(r[7] * 97) - 48) / 4,
      int(r[8] * 180), int(r[9] * 60), (r[10] < 0.5 ? "E" : "W"),
      int(r[11] * 90), int(r[12] * 60), (i % 2 ? "S" : "N"),
      azimuth[1 + i % 3], language[1 + int(i / 3) % 2]
  }
}' >"$work/moments"

run() {
  local cli=$1 lines=$2
  if [ -f "$cli" ] && [[ "$cli" == *.jsonl ]]; then cp "$cli" "$lines"; return; fi
  while read -r -a args; do
    "$cli" "${args[@]}" --json 2>/dev/null || true
  done <"$work/moments" | jq -c . >"$lines"
}

run "$old" "$out/old.jsonl"
run "$new" "$out/new.jsonl"
count=$(wc -l <"$out/new.jsonl")
if cmp -s "$out/old.jsonl" "$out/new.jsonl" && [ "$count" -eq "$moments" ]; then
  echo "identical: $count moments"
else
  echo "DIFFERENT ($count of $moments moments written):"
  cmp "$out/old.jsonl" "$out/new.jsonl" || true
  diff <(nl -ba "$out/old.jsonl") <(nl -ba "$out/new.jsonl") | head -6
  exit 1
fi

# Places: a mid-latitude town, the far north, the south with a half-hour
# zone, a zone of three quarters, with the other azimuth references and
# Russian captions.
places=(
  "--lon 13:24E --lat 52:31N --zone 1"
  "--lon 116:22E --lat 74:8N --zone 8 --azimuth south-signed"
  "--lon 138:36E --lat 34:56S --zone 9.5 --lang ru"
  "--lon 85:19E --lat 27:42N --zone 5.75 --azimuth south"
)
ranges=(
  "--from 1.1.2026 --days 40 --step 1h"
  "--from 1.1.2026 --days 40 --step 1h --format csv"
  "--from 1.1.2026 --days 40 --step 1h --format json"
  "--from 1.1.2026 --days 200 --format csv --fields date,time,jd,age,phase,next,sid,ra,dec,diam,dist,lon,lat,app,az"
  "--from 1.1.1999 --days 400 --events"
  "--from 1.1.1999 --days 400 --events --format csv"
  "--from 1.1.1999 --days 400 --events --format json"
  "--year 2027 --events --format grid"
  "--from 20.3.2026 --days 20 --step 1h --tz Europe/Berlin --format csv"
  "--from 20.10.2026 --days 20 --step 20m --tz Europe/Berlin"
  "--from 1.1.2026 --days 365 --events --tz Europe/Berlin --format json"
  "--year 2026 --events --format grid --tz Europe/Berlin"
)
# Long enough to be shared among cores.
long=(
  "--from 1.1.2020 --days 600 --step 1h --format csv"
  "--from 1.1.2020 --days 500 --step 1h --tz Europe/Berlin"
  "--from 1.1.1990 --days 11000 --events --format json"
  "--from 1.1.2020 --days 400 --step 30m --tz Europe/Berlin --format json"
)
compared=0
same() {  # same LABEL FILE_A FILE_B
  if ! cmp -s "$2" "$3"; then
    echo "DIFFERENT ($1):"
    diff "$2" "$3" | head -6
    exit 1
  fi
  compared=$((compared + 1))
}
for place in "${places[@]}"; do
  for range in "${ranges[@]}" "${long[@]}"; do
    # shellcheck disable=SC2086
    "$new" $place $range >"$work/new.txt" 2>&1 || echo "status $?" >>"$work/new.txt"
    if [ -x "$old" ]; then
      # shellcheck disable=SC2086
      "$old" $place $range >"$work/old.txt" 2>&1 || echo "status $?" >>"$work/old.txt"
      same "old and new: $place $range" "$work/old.txt" "$work/new.txt"
    fi
  done
  for range in "${long[@]}"; do
    # shellcheck disable=SC2086
    taskset -c 0 "$new" $place $range >"$work/one.txt" 2>&1 || echo "status $?" >>"$work/one.txt"
    # shellcheck disable=SC2086
    "$new" $place $range >"$work/new.txt" 2>&1 || echo "status $?" >>"$work/new.txt"
    same "one core and all: $place $range" "$work/one.txt" "$work/new.txt"
  done
done
echo "identical: $compared almanac ranges"
