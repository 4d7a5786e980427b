#!/usr/bin/env bash
# Builds the window layer with its run stress test (Optimise and Stop pressed at random moments,
# both methods) under ThreadSanitizer, then under AddressSanitizer with UndefinedBehaviorSanitizer,
# and runs the test in each build. Only the stress test's target is built, in two folders of
# its own; each run takes about a minute.
# Usage: scripts/sanitize-ui.sh [build folder prefix]   (default: build-ui-tsan, build-ui-asan)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
prefix="${1:-$root/build-ui}"
jobs="${MARLO_JOBS:-$(nproc)}"
export QT_QPA_PLATFORM=offscreen
# Fewer presses than the plain test run: the sanitizers slow the solver down several times.
export MARLO_STRESS_PRESSES="${MARLO_STRESS_PRESSES:-50}"

build_and_run() {
  local build="$1" flags="$2"
  cmake -S "$root" -B "$build" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMARLO_BUILD_BENCH=OFF -DMARLO_BUILD_FUZZERS=OFF \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$flags"
  cmake --build "$build" -j "$jobs" --target ui_stress_tests
  "$build/tests/ui/ui_stress_tests"
}

# Qt and COIN-OR are not built with ThreadSanitizer; tests/ui/tsan.supp says what that hides.
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/tests/ui/tsan.supp" \
  build_and_run "$prefix-tsan" "-fsanitize=thread -fno-omit-frame-pointer"

# Leaks of the system's font and window libraries at exit are theirs; tests/lsan.supp names them.
ASAN_OPTIONS="abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1" \
LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  build_and_run "$prefix-asan" "-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
