#!/usr/bin/env bash
# Checks that C++ sources and headers are laid out as .clang-format says: every tracked *.h and
# *.cpp, or only the files named on the command line. Prints each difference and fails if there
# is any; changes nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$#" -gt 0 ]; then
  files=("$@")
else
  mapfile -d '' -t files < <(git ls-files -z -- '*.h' '*.cpp')
fi

if [ "${#files[@]}" -eq 0 ]; then
  echo "format-check: no files to check" >&2
  exit 1
fi

if ! clang-format --dry-run -Werror "${files[@]}"; then
  echo "format-check: the files above differ from .clang-format (clang-format -i fixes them)" >&2
  exit 1
fi
echo "format-check: ${#files[@]} checked, all formatted"
