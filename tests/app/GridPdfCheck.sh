#!/usr/bin/env bash
# The year's grid as a PDF, read back with poppler's tools: one page of the
# paper asked for, landscape, headed by the place and zone, and every cell
# of the printed grid on it, in both languages.
set -euo pipefail
cli="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work"

# Each line's words, one line of them per line of text, blank lines left out.
words() { tr -d '\f' | tr -s ' \t' ' ' | sed 's/^ //; s/ $//' | sed '/^$/d'; }

check() {  # language, paper, expected page size, heading
  local pdf="$work/grid.pdf"
  "$cli" --lon 37:37E --lat 55:45N --tz Europe/Moscow --lang "$1" --events --format grid --year 2027 \
    --pdf "$pdf" --paper "$2"
  local info
  info="$(pdfinfo "$pdf")"
  grep -q '^Pages: *1$' <<<"$info" || { echo "$1 $2: not one page" >&2; exit 1; }
  grep -q "^Page size: *$3" <<<"$info" || { echo "$1 $2: $(grep 'Page size' <<<"$info")" >&2; exit 1; }
  pdftotext -layout "$pdf" "$work/read.txt"
  grep -qF "$4" "$work/read.txt" || { echo "$1 $2: no heading \"$4\"" >&2; exit 1; }
  # The printed grid but its rule, beside what the page holds after its heading.
  "$cli" --lon 37:37E --lat 55:45N --tz Europe/Moscow --lang "$1" --events --format grid --year 2027 |
    sed '3d' | words >"$work/grid.txt"
  grep -vF "$4" "$work/read.txt" | words >"$work/page.txt"
  diff "$work/grid.txt" "$work/page.txt" >&2 || { echo "$1 $2: the cells differ" >&2; exit 1; }
}

check en a4 '841.89 x 595.28' 'Varnholm, 55°45′ North, 37°37′ East; Timezone: Europe/Moscow'
check ru letter '792 x 612' 'Varnholm, 55°45′ Сев., 37°37′ Вост.; Часовой пояс: Europe/Moscow'
echo "every cell of the grid is on its one page"
