#!/usr/bin/env bash
# zuvar-run under faults of its streams and signals, each with a time limit:
#  - standard output on a full disk (/dev/full): a message on stderr and exit status 74;
#  - standard output closed by its reader with SIGPIPE ignored: the same, at once; with SIGPIPE
#    at its default the run ends at once by the signal;
#  - SIGTERM ends a run as Ctrl+C does: the end of the run, output complete, exit status 143;
#  - a pipe named like a project is refused with the file-open error instead of waiting;
#  - --resave on a disk without room keeps the old file and reports the failure.
# usage: streams_check.sh ZUVAR_RUN DATA_DIR
set -u
runner=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
limit=20

expect_status() {
  local what=$1 status=$2 expected=$3
  if [ "$status" != "$expected" ]; then
    echo "$what: exit status $status, expected $expected"
    failed=1
  fi
}

expect_stderr() {
  local what=$1 file=$2 text=$3
  if ! grep -qF -- "$text" "$file"; then
    echo "$what: stderr lacks: $text"
    cat "$file"
    failed=1
  fi
}

if [ -w /dev/full ]; then
  timeout $limit "$runner" "$data/endless.bin" > /dev/full 2> "$work/full.err"
  expect_status "full disk" $? 74
  expect_stderr "full disk" "$work/full.err" \
    "zuvar-run: Błąd zapisu na standardowe wyjście (brak miejsca na dysku)! Symulacja przerwana."
  if [ "$(grep -c 'Błąd zapisu' "$work/full.err")" != 1 ]; then
    echo "full disk: the failure is not told exactly once"
    failed=1
  fi
fi

(
  trap '' PIPE
  timeout $limit "$runner" "$data/endless.bin" 2> "$work/pipe.err" | head -n 1 > /dev/null
  exit "${PIPESTATUS[0]}"
)
expect_status "closed pipe, SIGPIPE ignored" $? 74
expect_stderr "closed pipe, SIGPIPE ignored" "$work/pipe.err" \
  "zuvar-run: Błąd zapisu na standardowe wyjście (odbiorca zamknął wyjście)! Symulacja przerwana."

timeout $limit "$runner" "$data/endless.bin" 2> /dev/null | head -n 1 > /dev/null
expect_status "closed pipe" "${PIPESTATUS[0]}" 141

"$runner" --log "$data/endless.bin" > "$work/term.out" 2> "$work/term.err" &
pid=$!
sleep 0.5
kill -TERM "$pid"
wait "$pid"
expect_status "SIGTERM" $? 143
expect_stderr "SIGTERM" "$work/term.err" "Zakończenie symulacji"
if [ "$(tail -c 1 "$work/term.out" | od -An -c | tr -d ' ')" != '\n' ] ||
   ! awk '$0 != NR { exit 1 }' "$work/term.out"; then
  echo "SIGTERM: the output lost a line or its last line is unfinished"
  failed=1
fi

mkfifo "$work/pipe.bin"
(cd "$work" && timeout $limit "$runner" pipe.bin > /dev/null 2> "$work/fifo.err")
expect_status "pipe as project" $? 1
expect_stderr "pipe as project" "$work/fifo.err" '[ZUVAR 32 Pro] Nie można otworzyć pliku "pipe.bin".'
printf 'stary projekt' > "$work/old.bin"
bash -c 'ulimit -f 0; exec "$0" --resave "$1" "$2"' "$runner" "$work/old.bin" "$data/arrays.bin" \
  2>&1 > /dev/null | cat > "$work/resave.err"
expect_status "resave on a full disk" "${PIPESTATUS[0]}" 1
expect_stderr "resave on a full disk" "$work/resave.err" \
  "[Błąd operacji zapisu....] Wystąpił błąd podczas zapisywania projektu - brak dostępu do zapisu!"
if [ "$(cat "$work/old.bin")" != "stary projekt" ] || [ -n "$(ls -A "$work" | grep '^\.old')" ]; then
  echo "resave on a full disk: the old file changed or a temporary file was left"
  failed=1
fi
exit $failed
