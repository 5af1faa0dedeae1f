#!/usr/bin/env bash
# Ctrl+C ends a run that never reaches its stop block, and a run waiting in `read`, with exit
# status 130 and the output written so far.
# usage: sigint_check.sh ZUVAR_RUN DATA_DIR
set -u
runner=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

interrupt_after() {
  local pid=$1
  sleep 0.5
  kill -INT "$pid"
  wait "$pid"
}

"$runner" "$data/endless.bin" > "$work/endless.out" 2> "$work/endless.err" &
interrupt_after $!
status=$?
if [ "$status" != 130 ]; then
  echo "endless run: exit status $status, expected 130"
  failed=1
fi
lines=$(wc -l < "$work/endless.out")
if [ "$lines" -lt 1 ] || [ "$(tail -c 1 "$work/endless.out" | od -An -c | tr -d ' ')" != '\n' ]; then
  echo "endless run: output missing or its last line unfinished"
  failed=1
fi
if ! awk '$0 != NR { exit 1 }' "$work/endless.out"; then
  echo "endless run: the output lost or garbled a line"
  failed=1
fi

sleep 2 | "$runner" "$data/read_entry.bin" > "$work/read.out" 2> "$work/read.err" &
interrupt_after $!
status=$?
if [ "$status" != 130 ]; then
  echo "interrupted read: exit status $status, expected 130"
  failed=1
fi
exit $failed
