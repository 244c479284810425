#!/usr/bin/env bash
# Looks at the window without a screen: starts it under a virtual X server,
# takes the English and Russian screenshots of docs/ (the main window with
# its picture of the Moon, and the almanac's month, day and year tabs, opened
# from the keyboard), and measures the time from start to the first paint
# and the resident memory after a minute of real-time tracking. Needs Xvfb,
# ImageMagick's import and xdotool.
#   scripts/window-look.sh [path/to/tessaly]   (TRACK_SECONDS=60 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/default/app/tessaly}")
track_seconds=${TRACK_SECONDS:-60}

work=$(mktemp -d)
xvfb_pid=""
running=""
cleanup() {
  [ -n "$running" ] && kill "$running" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# Each run gets a settings folder of its own, never the user's.
mkdir -p "$work/en" "$work/ru"
printf 'Varnholm, 30  15  0  45  0  0  2  1000 \xd0\x90\xd0\xb7\xd0\xb8\xd0\xbc\xd1\x83\xd1\x82, 0 \r\n' >"$work/ru/tessaly.ini"

start() {  # settings folder, log file
  XDG_CONFIG_HOME="$1" TESSALY_REPORT_FIRST_PAINT=1 "$program" >"$2" 2>&1 &
  running=$!
}
stop() {
  kill "$running" 2>/dev/null || true
  wait "$running" 2>/dev/null || true
  running=""
}
main_window() {  # the oldest top-level window of the program
  xwininfo -root -tree | awk '/"Tessaly": \("tessaly"/ { id = $1 } END { print id }'
}
almanac_window() {
  xwininfo -root -tree | awk '/"(Tessaly Almanac|Альманах Tessaly)": \("tessaly"/ { id = $1 } END { print id }'
}
keys() {  # window, keys...: typed into that window, as a user would
  local window=$1
  shift
  xdotool windowfocus --sync "$window"
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.3
  done
  sleep 1
}

shoot() {  # settings folder, picture
  start "$1" "$work/log"
  sleep 3  # past the first tick, so that every value is filled in
  import -window "$(main_window)" "$2"
  stop
  echo "$2: $(identify -format '%wx%h' "$2")"
}
shoot "$work/en" docs/screenshot-en.png
shoot "$work/ru" docs/screenshot-ru.png

# The almanac, opened by its menu's access keys: the month table, then the
# day chart on the next tab.
start "$work/en" "$work/log"
sleep 3
keys "$(main_window)" alt+a Return
import -window "$(almanac_window)" docs/almanac-month-en.png
keys "$(almanac_window)" ctrl+Tab
import -window "$(almanac_window)" docs/almanac-day-en.png
keys "$(almanac_window)" ctrl+Tab
import -window "$(almanac_window)" docs/almanac-year-en.png
stop
for picture in docs/almanac-month-en.png docs/almanac-day-en.png docs/almanac-year-en.png; do
  echo "$picture: $(identify -format '%wx%h' "$picture")"
done

for run in 1 2 3 4 5; do
  begin=$(date +%s.%N)
  start "$work/en" "$work/paint"
  for _ in $(seq 100); do grep -q "first paint" "$work/paint" && break; sleep 0.05; done
  painted=$(awk '/first paint/ { print $5 }' "$work/paint")
  stop
  awk -v b="$begin" -v p="$painted" -v r="$run" 'BEGIN { printf "start to first paint, run %d: %.0f ms\n", r, (p - b) * 1000 }'
done

start "$work/en" "$work/log"
sleep "$track_seconds"
echo "resident memory after ${track_seconds} s of real-time tracking: $(awk '/VmRSS/ { print $2, $3 }' "/proc/$running/status")"
stop
