#!/usr/bin/env bash
# Checks that every C++ file of the project is laid out as .clang-format says; prints the
# places that differ and exits 1 when any does. `clang-format -i FILE` mends a file.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "check-format: every C++ file is formatted"
