#!/usr/bin/env bash
# Installs what is needed, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

# Every tracked source and header must be laid out as .clang-format says.
bash scripts/format-check.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUVAR_WERROR=ON
cmake --build build -j"$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$jobs"

# The core and its tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
bash scripts/sanitize.sh

# Each libFuzzer harness for a few seconds: a known crashing input in a corpus fails here.
bash scripts/fuzz.sh 10

# The Debian packages under lintian, and the desktop entry and AppStream data under their
# validators.
bash scripts/lintian.sh
