#!/usr/bin/env bash
# Builds the core and its tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test there. The desktop layer and the benchmarks stay out of this build.
# Usage: scripts/sanitize.sh [build folder]   (default: build-asan beside this script's folder)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-asan}"
jobs="${MARLO_JOBS:-$(nproc)}"

sanitizers="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"

cmake -S "$root" -B "$build" \
  -DCMAKE_BUILD_TYPE=Debug \
  -DMARLO_BUILD_UI=OFF -DMARLO_BUILD_BENCH=OFF -DMARLO_BUILD_FUZZERS=OFF \
  -DCMAKE_C_FLAGS="$sanitizers" \
  -DCMAKE_CXX_FLAGS="$sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$build" -j "$jobs"

# Every finding ends the test that made it, with a stack trace, so ctest reports it as a failure.
export ASAN_OPTIONS="abort_on_error=0:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j "$jobs"
