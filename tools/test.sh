#!/usr/bin/env bash
# Builds the optimised program (the one that ships) and runs every test on it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/install-deps.sh
cmake --preset release
cmake --build --preset release
ctest --preset release -j "$(nproc)"
