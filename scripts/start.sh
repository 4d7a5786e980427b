#!/usr/bin/env bash
# Sets up the machine, builds marlo-veen and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Only the programs and the manual the window opens: the tests and benchmarks are the test
# command's to build.
scripts/build.sh build -DBUILD_TESTING=OFF -DMARLO_BUILD_BENCH=OFF
exec build/app/marlo-veen
