#!/usr/bin/env bash
# zuvar-run as a grader, and a single run checked against files. Every case is one line of the
# table below: its name, the expected exit status and the arguments; the expected standard
# output and error are CASE.stdout and CASE.stderr in the data folder (absent: empty). The run
# starts in the data folder, so file names in the report do not depend on where the tree lies.
# Then: -j gives the sequential report, and the JSON report has its documented shape.
# usage: grading_check.sh ZUVAR_RUN DATA_DIR
set -u
runner=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
class=(anna.bin bartek.bin celina.bin darek.bin ewa.bin)

check() {
  local name=$1 expected_status=$2
  shift 2
  (cd "$data" && "$runner" "$@") < /dev/null > "$work/$name.out" 2> "$work/$name.err"
  local status=$?
  # Where a run stood when its time ran out depends on the machine's speed.
  sed -i -E 's/(limit czasu \([0-9.]+ s\)) w bloku .*/\1 w bloku .../' "$work/$name.out" "$work/$name.err"
  if [ "$status" != "$expected_status" ]; then
    echo "$name: exit status $status, expected $expected_status"
    failed=1
  fi
  for stream in stdout:out stderr:err; do
    local expected="$data/$name.${stream%%:*}" actual="$work/$name.${stream#*:}"
    if [ -f "$expected" ]; then
      cmp -s "$expected" "$actual" || { echo "$name: ${stream%%:*} differs"; diff "$expected" "$actual"; failed=1; }
    elif [ -s "$actual" ]; then
      echo "$name: unexpected ${stream%%:*}:"; cat "$actual"; failed=1
    fi
  done
}

check class_passes 0 --tests silnia.txt anna.bin
check class_mixed 5 --tests silnia.txt --max-steps 5000 "${class[@]}"
check class_timeout 5 --tests silnia.txt --timeout 0.2 darek.bin
check input_ran_out 5 --tests brak_danych.txt anna.bin
check bad_test_file 64 --tests powtorzony.txt anna.bin
check missing_test_file 1 --tests brak.txt anna.bin
check jobs_without_tests 64 -j 2 anna.bin
check single_expect 0 --input piec.in --expect piec.out anna.bin
check single_loose 0 --input piec.in --expect piec_spacje.out --ignore-trailing-space anna.bin
check single_strict 5 --input piec.in --expect piec_spacje.out anna.bin
check single_wrong 5 --input piec.in --expect piec_zle.out anna.bin
check single_timeout 3 --timeout 0.2 --input piec.in darek.bin
check version 0 --version
check help 0 --help

# Threads give the same table as one file after another.
(cd "$data" && "$runner" --tests silnia.txt --max-steps 5000 -j 3 "${class[@]}") > "$work/jobs.out"
cmp -s "$work/jobs.out" "$data/class_mixed.stdout" || { echo "-j 3 differs from sequential"; diff "$data/class_mixed.stdout" "$work/jobs.out"; failed=1; }

# The JSON report on stdout and in a file, against its documented shape.
(cd "$data" && "$runner" --tests silnia.txt --max-steps 5000 --json - -j 2 "${class[@]}") > "$work/report.json"
(cd "$data" && "$runner" --tests silnia.txt --max-steps 5000 --json "$work/file.json" "${class[@]}") > "$work/table.out"
cmp -s "$work/table.out" "$data/class_mixed.stdout" || { echo "--json FILE changed the table"; failed=1; }
python3 - "$work/report.json" "$work/file.json" <<'PY' || failed=1
import json, sys
statuses = {"passed", "wrong-output", "error", "step-limit", "time-limit", "input-ended",
            "not-started", "unreadable"}
expected = {"anna.bin": ["passed", "passed"], "bartek.bin": ["wrong-output", "passed"],
            "celina.bin": ["error", "passed"], "darek.bin": ["step-limit", "passed"],
            "ewa.bin": ["unreadable", "unreadable"]}
def shape(doc):
    assert set(doc) == {"tests", "passed", "files"}, doc.keys()
    assert doc["tests"] == "silnia.txt" and doc["passed"] is False
    assert [f["file"] for f in doc["files"]] == list(expected)
    for f in doc["files"]:
        assert set(f) == {"file", "passed", "total", "cases"}
        assert f["total"] == len(f["cases"]) == 2
        assert f["passed"] == sum(c["status"] == "passed" for c in f["cases"])
        assert [c["status"] for c in f["cases"]] == expected[f["file"]], f
        for c in f["cases"]:
            assert set(c) == {"name", "status", "steps", "time", "output", "message"}
            assert c["status"] in statuses
            assert isinstance(c["steps"], int) and isinstance(c["time"], float)
            assert (c["message"] == "") == (c["status"] == "passed")
        assert [c["name"] for c in f["cases"]] == ["pięć", "zero"]
    anna = doc["files"][0]["cases"][0]
    assert anna["output"] == "Silnia: 120\n", anna
    return [[{k: v for k, v in c.items() if k != "time"} for c in f["cases"]] for f in doc["files"]]
docs = [json.load(open(p, encoding="utf-8")) for p in sys.argv[1:]]
assert shape(docs[0]) == shape(docs[1]), "the JSON reports differ"
PY
exit $failed
