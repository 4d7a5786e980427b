#!/usr/bin/env bash
# Sets up the machine, builds marlo-veen with warnings as errors and runs every test with ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build-test -DMARLO_WERROR=ON
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
