#!/usr/bin/env bash
# Runs zuvar-run on one diagram and compares its stdout, its stderr lines and its exit status
# with the expected files beside the case:
#   CASE.args    arguments before the file, separated by blanks (optional)
#   CASE.stdin   standard input (optional, else empty)
#   CASE.stdout  expected standard output (optional, else empty)
#   CASE.stderr  expected standard error (optional, else empty)
#   CASE.status  expected exit status (optional, else 0)
# usage: run_case.sh ZUVAR_RUN DIAGRAM CASE
set -u
runner=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
diagram=$2
case=$3

args=()
if [ -f "$case.args" ]; then
  read -r -a args < "$case.args"
fi
input=/dev/null
[ -f "$case.stdin" ] && input="$case.stdin"
expected_status=0
[ -f "$case.status" ] && expected_status=$(tr -d ' \r\n' < "$case.status")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The diagram is named without its folder, so that the log line naming the opened file does not
# depend on where the tree lies.
case=$(cd "$(dirname "$case")" && pwd)/$(basename "$case")
[ -f "$case.stdin" ] && input="$case.stdin"
(cd "$(dirname "$diagram")" && "$runner" "${args[@]}" "$(basename "$diagram")") \
  < "$input" > "$work/stdout" 2> "$work/stderr"
status=$?

failed=0
compare() {
  local expected=$1 actual=$2 what=$3
  if [ -f "$expected" ]; then
    if ! cmp -s "$expected" "$actual"; then
      echo "--- $what differs:"
      diff "$expected" "$actual" || true
      failed=1
    fi
  elif [ -s "$actual" ]; then
    echo "--- unexpected $what:"
    cat "$actual"
    failed=1
  fi
}
compare "$case.stdout" "$work/stdout" stdout
compare "$case.stderr" "$work/stderr" stderr
if [ "$status" != "$expected_status" ]; then
  echo "--- exit status $status, expected $expected_status"
  failed=1
fi
exit $failed
