#!/usr/bin/env bash
# Looks at the window without a screen: starts it under a virtual X server,
# takes the English and Russian screenshots of docs/ (the main window with
# its picture of the Moon, the almanac's month, day and year tabs, and the Find
# place dialog, opened from the keyboard), the main window in a dark desktop theme and both windows at
# double scale; checks through the accessibility bus that every value and
# caption of the main window stands out from its ground by at least 4.5:1
# in the dark theme, and that the almanac opens beside the main window, not
# over it; and measures the time from start to the first paint and the
# resident memory after a minute of real-time tracking. Needs Xvfb,
# ImageMagick, xdotool, gdbus and the accessibility bus (at-spi2-core).
#   scripts/window-look.sh [path/to/tessaly]   (TRACK_SECONDS=60 by default)
set -euo pipefail
# The accessibility bus lives on a session bus of its own.
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || exec dbus-run-session -- "$0" "$@"
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

Xvfb -displayfd 3 -screen 0 3200x2000x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# Each run gets a settings folder of its own, never the user's.
mkdir -p "$work/en" "$work/ru" "$work/dark"
printf 'Varnholm, 30  15  0  45  0  0  2  1000 \xd0\x90\xd0\xb7\xd0\xb8\xd0\xbc\xd1\x83\xd1\x82, 0 \r\n' >"$work/ru/tessaly.ini"
# Qt's own KDE theme reads this dark colour scheme; no desktop is needed.
cat >"$work/dark/kdeglobals" <<'EOF'
[Colors:Window]
BackgroundNormal=35,38,41
ForegroundNormal=239,240,241
[Colors:View]
BackgroundNormal=27,30,32
BackgroundAlternate=35,38,41
ForegroundNormal=239,240,241
ForegroundLink=41,128,185
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
[Colors:Tooltip]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
EOF

start() {  # settings folder, log file; THEME=dark and QT_SCALE_FACTOR as given
  local theme=()
  [ "${THEME:-}" = dark ] && theme=(XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 QT_STYLE_OVERRIDE=Fusion)
  env "${theme[@]}" XDG_CONFIG_HOME="$1" TESSALY_REPORT_FIRST_PAINT=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$program" >"$2" 2>&1 &
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
place_dialog() {
  xwininfo -root -tree | awk '/"(Find place|Найти место)": \("tessaly"/ { id = $1 } END { print id }'
}
almanac_window() {
  xwininfo -root -tree | awk '/"(Tessaly Almanac|Альманах Tessaly)": \("tessaly"/ { id = $1 } END { print id }'
}
picture_of() {  # window, picture: the window as the screen shows it
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }')
  import -window root -crop "${w}x$h+$x+$y" +repage "$2"
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
THEME=dark shoot "$work/dark" docs/screenshot-dark-en.png
QT_SCALE_FACTOR=2 shoot "$work/ru" docs/screenshot-ru-x2.png

# Every label of the main window (values, captions, units) on the
# accessibility bus: "x y width height name", in screen pixels.
a11y=""
app=""
main_frame=""
atspi() {  # object path, method, arguments...
  local path=$1 method=$2
  shift 2
  gdbus call --address "$a11y" --dest "$app" --object-path "$path" --method "org.a11y.atspi.$method" "$@"
}
children() { atspi "$1" Accessible.GetChildren | grep -o "/org/a11y/atspi/accessible/[0-9a-z_]*" || true; }
labels_under() {  # object path
  local role
  role=$(atspi "$1" Accessible.GetRoleName)
  if [ "$role" = "('label',)" ]; then
    local box name
    box=$(atspi "$1" Component.GetExtents 0 | tr -d '(),')
    name=$(gdbus call --address "$a11y" --dest "$app" --object-path "$1" \
      --method org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name | sed -E "s/^\(<'(.*)'>,\)$/\1/")
    echo "$box $name"
  fi
  for child in $(children "$1"); do labels_under "$child"; done
}
# The contrast of the darkest or lightest ink against the most common
# colour of a piece of the screen, by the relative luminance of the web's
# guidelines.
ink_contrast() {  # picture, width, height, x, y
  convert "$1" -crop "$2x$3+$4+$5" -format %c histogram:info:- | awk '
    function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
    { split($2, rgb, /[(),]/); n = $1 + 0
      l = 0.2126 * lin(rgb[2]) + 0.7152 * lin(rgb[3]) + 0.0722 * lin(rgb[4])
      lum[NR] = l; if (n > most) { most = n; ground = l } }
    END { best = 1
          for (i in lum) { a = lum[i] + 0.05; b = ground + 0.05; r = a > b ? a / b : b / a; if (r > best) best = r }
          printf "%.1f\n", best }'
}
# The bus and its registry first, then the program, which registers there.
a11y=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress |
  sed -E "s/^\('(.*)',\)$/\1/")
registered() {
  gdbus call --address "$a11y" --dest org.a11y.atspi.Registry --object-path /org/a11y/atspi/accessible/root \
    --method org.a11y.atspi.Accessible.GetChildren | grep -o "':[0-9.]*'" | tail -1 | tr -d "'" || true
}
registered >/dev/null
THEME=dark start "$work/dark" "$work/log"
sleep 3
for _ in $(seq 50); do app=$(registered); [ -n "$app" ] && break; sleep 0.2; done
main_frame=$(children /org/a11y/atspi/accessible/root | head -1)
import -window root "$work/screen.png"
checked=0
low=0
while read -r x y w h name; do
  [ "$w" -gt 0 ] && [ "$h" -gt 0 ] || continue
  checked=$((checked + 1))
  contrast=$(ink_contrast "$work/screen.png" "$w" "$h" "$x" "$y")
  if awk -v c="$contrast" 'BEGIN { exit !(c < 4.5) }'; then
    echo "dark theme: \"$name\" stands out only $contrast:1"
    low=$((low + 1))
  fi
done < <(labels_under "$main_frame")
stop
echo "dark theme: $checked labels of the main window, $low below 4.5:1 contrast"

# The almanac, opened by its menu's access keys: the month table, then the
# day chart on the next tab.
start "$work/en" "$work/log"
sleep 3
keys "$(main_window)" alt+a Return
import -window "$(almanac_window)" docs/almanac-month-en.png
# Beside the main window, not over it.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}
read -r mx my mw mh < <(geometry "$(main_window)")
read -r ax ay _ _ < <(geometry "$(almanac_window)")
if [ "$ax" -ge $((mx + mw)) ] || [ "$ay" -ge $((my + mh)) ]; then
  echo "almanac window at $ax,$ay, beside the main window at $mx,$my (${mw}x$mh), not over it"
else
  echo "almanac window at $ax,$ay covers the main window at $mx,$my (${mw}x$mh)"
fi
keys "$(almanac_window)" ctrl+Tab
import -window "$(almanac_window)" docs/almanac-day-en.png
keys "$(almanac_window)" ctrl+Tab
import -window "$(almanac_window)" docs/almanac-year-en.png
stop
for picture in docs/almanac-month-en.png docs/almanac-day-en.png docs/almanac-year-en.png; do
  echo "$picture: $(identify -format '%wx%h' "$picture")"
done
# At double scale, switched to Russian, the table takes the width of its
# new columns.
QT_SCALE_FACTOR=2 start "$work/en" "$work/log"
sleep 3
keys "$(main_window)" alt+a Return
keys "$(main_window)" alt+s l Down Return  # the language items have no access keys at first
sleep 2
picture_of "$(almanac_window)" docs/almanac-month-ru-x2.png
stop
echo "docs/almanac-month-ru-x2.png: $(identify -format '%wx%h' docs/almanac-month-ru-x2.png)"

# The Find place dialog by its shortcut, a few letters typed in each language.
for lang in en ru; do
  start "$work/$lang" "$work/log"
  sleep 3
  keys "$(main_window)" ctrl+f
  xdotool type --delay 150 "$([ "$lang" = en ] && echo Berl || echo Моск)"
  sleep 1
  import -window "$(place_dialog)" "docs/place-dialog-$lang.png"
  stop
  echo "docs/place-dialog-$lang.png: $(identify -format '%wx%h' "docs/place-dialog-$lang.png")"
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
