#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need. Runs apt-get only
# when something is missing, so a prepared machine starts building at once.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  clang libclang-rt-14-dev clang-format
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  fonts-dejavu-core fonts-liberation
  xvfb xauth x11-utils xdotool imagemagick poppler-utils openbox
  lintian appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
