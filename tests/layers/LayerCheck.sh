#!/usr/bin/env bash
# Fails when a source file includes a layer above its own, a folder outside
# the layers, or a header without naming its layer. Each layer may include
# itself and the layers before it in this list:
layers=(engine settings places window almanac almanacwindow qt app)
#   tests/layers/LayerCheck.sh SOURCE_ROOT
set -uo pipefail
root=${1:?usage: LayerCheck.sh SOURCE_ROOT}
cd "$root" || exit 2

rank() {  # the position of a folder in the list, or nothing
  local i
  for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && echo "$i" && return; done
}

faults=0
fault() { echo "$1: $2" >&2; faults=$((faults + 1)); }

for folder in "${layers[@]}" tools bench; do
  [ -d "$folder" ] || continue
  own=$(rank "$folder")
  # tools and benches stand above every layer of the programs.
  [ -n "$own" ] || own=${#layers[@]}
  while IFS= read -r file; do
    while IFS= read -r line; do
      target=${line#*\"}
      target=${target%%\"*}
      case "$target" in
        */*) ;;
        *) fault "$file" "include without its layer: $target"; continue ;;
      esac
      top=${target%%/*}
      if [ "$top" = "$folder" ]; then continue; fi
      r=$(rank "$top")
      if [ -z "$r" ]; then
        fault "$file" "includes outside the layers: $target"
      elif [ "$r" -ge "$own" ]; then
        fault "$file" "includes the higher layer $top: $target"
      fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
  done < <(find "$folder" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.h.in' \))
done

if [ "$faults" -gt 0 ]; then
  echo "$faults include(s) against the layers: ${layers[*]}" >&2
  exit 1
fi
echo "every include points down: ${layers[*]}"
