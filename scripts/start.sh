#!/usr/bin/env bash
# Sets up the machine, builds marlo-veen and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
exec build/app/marlo-veen
