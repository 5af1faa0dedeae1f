#!/usr/bin/env bash
# Draws the examples and the end-to-end diagrams afresh and checks that the committed files are
# exactly what the generator writes.
# usage: generated_check.sh ZUVAR_MAKE_EXAMPLES EXAMPLES_DIR DATA_DIR
set -u
generator=$1
examples=$2
data=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/examples" "$work/data"
"$generator" "$work/examples" "$work/data" || exit 1
failed=0
for pair in "examples:$examples" "data:$data"; do
  for made in "$work/${pair%%:*}"/*.bin; do
    name=$(basename "$made")
    if ! cmp -s "$made" "${pair#*:}/$name"; then
      echo "--- $name differs from the generator's output"
      failed=1
    fi
  done
done
exit $failed
