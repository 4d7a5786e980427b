#!/usr/bin/env bash
# Configures and builds marlo-veen in build/ (or the folder given as the first argument).
# Extra arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$build_dir" -j"$(nproc)"
