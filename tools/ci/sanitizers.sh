#!/usr/bin/env bash
# The whole test suite under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer (preset asan, gcc). Any report fails the run; a leak
# is forgiven only where tools/ci/lsan.supp names a system library that leaks
# on its own.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh tools/debian-packages.txt tools/ci/sanitizers.packages
cmake --preset asan
cmake --build --preset asan -j "$(nproc)"
ctest --preset asan -j "$(nproc)"
