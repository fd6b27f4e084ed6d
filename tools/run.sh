#!/usr/bin/env bash
# Builds the optimised program and opens it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target sorvane
exec build/release/app/sorvane
