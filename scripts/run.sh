#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Brak ekranu graficznego (DISPLAY i WAYLAND_DISPLAY są puste): przykład uruchamia zuvar-run."
  exec build/cli/zuvar-run "${@:-examples/factorial.bin}"
fi
if [ -x build/app/zuvar ]; then
  exec build/app/zuvar "$@"
fi
exec build/cli/zuvar-run "${@:-examples/factorial.bin}"
