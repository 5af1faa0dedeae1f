#!/usr/bin/env bash
# Draws the examples afresh and checks that the committed files are exactly what the generator
# writes.
# usage: generated_check.sh ZUVAR_MAKE_EXAMPLES EXAMPLES_DIR
set -u
generator=$1
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generator" "$work" || exit 1
failed=0
for made in "$work"/*.bin; do
  name=$(basename "$made")
  if ! cmp -s "$made" "$examples/$name"; then
    echo "--- $name differs from the generator's output"
    failed=1
  fi
done
exit $failed
