#!/usr/bin/env bash
# Builds the Debian package of marlo-veen: a release build without tests and benchmarks, then
# CPack. The package lands in the build folder as marlo-veen_<version>_<architecture>.deb.
# Usage: scripts/package.sh [build folder, default build-pkg beside this script's folder]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-pkg}"
jobs="${MARLO_JOBS:-$(nproc)}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DMARLO_BUILD_UI=ON -DBUILD_TESTING=OFF -DMARLO_BUILD_BENCH=OFF -DMARLO_BUILD_FUZZERS=OFF
cmake --build "$build" -j "$jobs"
rm -f "$build"/marlo-veen_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$build"
ls "$build"/marlo-veen_*.deb
