#!/usr/bin/env bash
# Installs what Glifora needs to build, test and run on Debian 12, then
# configures and builds it in build/: every target, or only those named.
# Packages already present are left alone.
#   scripts/setup.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config python3
  qt6-base-dev qt6-image-formats-plugins qt6-translations-l10n qt6-gtk-platformtheme
  libjpeg62-turbo-dev libfontconfig-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation
  xvfb xauth
  libwmf-bin
  desktop-file-utils appstream man-db
)
if [ "${GLIFORA_WITH_BROWSER_TESTS:-0}" = 1 ]; then packages+=(chromium imagemagick); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instalando: ${missing[*]}" >&2
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir="${GLIFORA_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${GLIFORA_CMAKE_ARGS:-} >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build_dir" -j2 "${targets[@]}"
