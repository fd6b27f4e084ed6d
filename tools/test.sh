#!/usr/bin/env bash
# Builds the optimised program (the one that ships) and runs every test on it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/install-deps.sh
# The workflow preset configures, builds and tests; CTest runs as many tests
# at once as there are processors, which the preset cannot say.
CTEST_PARALLEL_LEVEL=$(nproc) cmake --workflow --preset release
