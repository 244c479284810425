#!/usr/bin/env bash
# A real calendar program takes tessaly-cli's iCalendar file: khal imports it
# into a calendar of its own under a temporary folder and lists the month's
# phases at their instants, in universal time and through a named zone.
set -euo pipefail
cli="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_CONFIG_HOME" "$work/calendar"

# zone, then the expected listing of December 2026 at 30°15' E, 45° N
check() {
  local zone="$1" expected="$2" ics="$work/moon.ics"
  rm -rf "$work/calendar" "$XDG_DATA_HOME" && mkdir -p "$work/calendar"
  cat >"$work/khal.conf" <<CONF
[calendars]
[[moon]]
path = $work/calendar
type = calendar
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
local_timezone = $zone
default_timezone = $zone
[default]
default_calendar = moon
CONF
  local place=(--lon 30:15E --lat 45:00N --events --format ics --from 1.12.2026 --days 31)
  if [ "$zone" = UTC ]; then "$cli" "${place[@]}" --zone 0 >"$ics"; else "$cli" "${place[@]}" --tz "$zone" --lang ru >"$ics"; fi
  khal -c "$work/khal.conf" import --batch "$ics"
  local listed
  listed="$(khal -c "$work/khal.conf" list --format '{start} {title}' --day-format '' 2026-12-01 31d | sed '/^$/d')"
  if [ "$listed" != "$expected" ]; then
    printf 'khal lists, in %s:\n%s\nexpected:\n%s\n' "$zone" "$listed" "$expected" >&2
    exit 1
  fi
}

check UTC "2026-12-01 06:10 3 Quarter
2026-12-09 00:52 New Moon
2026-12-17 05:43 1 Quarter
2026-12-24 01:29 Full Moon
2026-12-30 19:00 3 Quarter"
check Asia/Tokyo "2026-12-01 15:10 3 четверть
2026-12-09 09:52 Новолуние
2026-12-17 14:43 1 четверть
2026-12-24 10:29 Полнолуние
2026-12-31 04:00 3 четверть"
echo "khal lists every phase at its instant"
