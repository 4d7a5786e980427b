#!/usr/bin/env bash
# Shows that a long search runs in flat memory and stops promptly: builds long_run_probe in an
# optimised build without sanitizers, then runs, each under /usr/bin/time -v, a tiny job, a job of
# about 1.1 billion counted steps, one of about 2 billion, and the first stopped after 300000
# yields (about 900 million steps).
# Usage: scripts/long-run.sh [build folder, default build-long-run beside this script's folder]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-long-run}"
jobs="${MARLO_JOBS:-$(nproc)}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DMARLO_BUILD_UI=OFF -DMARLO_BUILD_BENCH=OFF -DMARLO_BUILD_FUZZERS=OFF
cmake --build "$build" --target long_run_probe -j "$jobs"

probe="$build/tests/hardening/long_run_probe"
measure() {
  echo "== long_run_probe $*"
  /usr/bin/time -v "$probe" "$@" 2> "$build/time.txt"
  grep -E "Maximum resident set size|Elapsed \(wall clock\)" "$build/time.txt"
}
measure 3 1
measure 26 5
measure 40 8
measure 26 5 300000
