#!/usr/bin/env bash
# Every C++ source is as clang-format (.clang-format) writes it.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh tools/ci/format.packages
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
