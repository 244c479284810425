#!/usr/bin/env bash
# Sets up whatever is missing on a Debian machine, builds Tessaly, then
# starts it (./build.sh run) or runs the whole test suite (./build.sh test).
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ cmake make pkg-config libgtest-dev libbenchmark-dev nlohmann-json3-dev
          libhowardhinnant-date-dev tzdata libgeonames-dev libical-dev khal libcairo2-dev fonts-dejavu-core poppler-utils
          qt6-base-dev qt6-svg-dev libgl-dev libnova-dev desktop-file-utils appstream man-db dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing missing packages: ${missing[*]}"
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset default
cmake --build --preset default -j"$(nproc)"

case "${1:-run}" in
  run) exec ./build/default/app/tessaly ;;
  test)
    ctest --preset default -j"$(nproc)"
    # The same suite again under the address and undefined-behaviour sanitizers.
    cmake --preset asan
    cmake --build --preset asan -j"$(nproc)"
    ctest --preset asan -j"$(nproc)"
    ;;
  *) echo "usage: $0 [run|test]" >&2; exit 64 ;;
esac
