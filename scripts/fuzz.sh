#!/usr/bin/env bash
# Builds the libFuzzer harnesses (fuzz/, clang) in build-fuzz and runs each for SECONDS seconds,
# or only the named one: scripts/fuzz.sh SECONDS [fuzz_reader|fuzz_line|fuzz_diagram]
# Each harness starts from a scratch copy of its seed corpus outside the repository. A crash,
# hang, leak or undefined behaviour fails the script; the input that caused it is kept in the
# scratch folder (its path is printed) for a regression test in tests/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

seconds=${1:?usage: scripts/fuzz.sh SECONDS [harness]}
harnesses=(fuzz_reader fuzz_line fuzz_diagram)
[ $# -ge 2 ] && harnesses=("$2")

cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc 2>/dev/null || echo 2)" --target "${harnesses[@]}" >/dev/null

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

seed_corpus() {
  local harness=$1 dest=$2
  case "$harness" in
    fuzz_line) cp fuzz/corpus/line/* "$dest"/ ;;
    *) cp tests/data/*.bin examples/*.bin "$dest"/ ;;
  esac
  if [ -d tests/fuzz/inputs ]; then
    find tests/fuzz/inputs -type f -name "${harness#fuzz_}-*" -exec cp {} "$dest"/ \;
  fi
}

status=0
for harness in "${harnesses[@]}"; do
  work=$(mktemp -d "${TMPDIR:-/tmp}/zuvar-$harness.XXXXXX")
  mkdir -p "$work/corpus" "$work/artifacts"
  seed_corpus "$harness" "$work/corpus"
  max_len=16384
  [ "$harness" = fuzz_line ] && max_len=4096
  echo "== $harness for ${seconds}s (work folder $work)"
  if nice "$root/build-fuzz/$harness" "$work/corpus" \
      -dict="$root/fuzz/zuvar.dict" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len="$max_len" -print_final_stats=1 \
      -artifact_prefix="$work/artifacts/" >"$work/log" 2>&1; then
    runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$work/log" | grep -oE '[0-9]+$' || true)
    echo "   $harness: ${runs:-?} executions, no finding"
    rm -rf "$work"
  else
    echo "   $harness: FINDING, see $work/log and $work/artifacts/" >&2
    grep -E 'ERROR|runtime error|SUMMARY' "$work/log" | head -5 >&2 || true
    status=1
  fi
done
exit $status
