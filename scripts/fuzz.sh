#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 and runs each for a bounded time, starting from the
# sample jobs and the spreadsheet copies and production job in tests/jobfile/data, and for the
# parts lists from the lists and hostile workbooks in tests/partslist/data. Fails when a
# fuzzer finds an input that crashes, trips a sanitizer or breaks an invariant; that input is kept
# under the build folder's artifacts/ for a regression test.
# Usage: scripts/fuzz.sh [seconds per fuzzer, default 60]   (build folder: MARLO_FUZZ_BUILD or
# build-fuzz beside this script's folder)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="${MARLO_FUZZ_BUILD:-$root/build-fuzz}"
jobs="${MARLO_JOBS:-$(nproc)}"

CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMARLO_BUILD_FUZZERS=ON -DMARLO_BUILD_UI=OFF -DMARLO_BUILD_BENCH=OFF -DBUILD_TESTING=OFF
cmake --build "$build" --target fuzz_jobfile fuzz_numeric fuzz_listtext fuzz_mvjob fuzz_partslist -j "$jobs"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
for name in jobfile numeric listtext mvjob partslist; do
  corpus="$build/corpus/$name"
  artifacts="$build/artifacts/$name/"
  mkdir -p "$corpus" "$artifacts"
  # The sample jobs and lists are the seeds; what the fuzzer adds stays in the corpus for the next run.
  if [ "$name" = partslist ]; then
    find "$root"/tests/partslist/data -type f ! -name '*.sh' ! -name '*.py' -exec cp -n {} "$corpus"/ \;
  else
    cp -n "$root"/samples/*.opt "$root"/tests/jobfile/data/*.csv "$root"/tests/jobfile/data/*.mvjob \
      "$corpus"/
  fi
  echo "fuzz_$name: ${seconds} s"
  if ! "$build/fuzz/fuzz_$name" "$corpus" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -dict="$root/fuzz/$name.dict" -artifact_prefix="$artifacts" -print_final_stats=1; then
    echo "fuzz_$name: finding saved in $artifacts" >&2
    status=1
  fi
done
exit "$status"
