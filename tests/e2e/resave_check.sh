#!/usr/bin/env bash
# Reads a project file with zuvar-run --resave and checks that the copy is byte for byte the
# original.
# usage: resave_check.sh ZUVAR_RUN DIAGRAM
set -u
runner=$1
diagram=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! "$runner" --resave "$work/copy.bin" "$diagram"; then
  echo "--resave failed"
  exit 1
fi
if ! cmp "$diagram" "$work/copy.bin"; then
  echo "--- the re-saved file differs from $diagram"
  exit 1
fi
