#!/usr/bin/env bash
# clang-tidy (.clang-tidy) over the program's and tools' sources, with the
# compile commands of the optimised build that tools/test.sh configured.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh tools/ci/tidy.packages
[[ -f build/release/compile_commands.json ]] || cmake --preset release >/dev/null
# Qt's generated sources (moc, resources) must exist for the compile commands.
cmake --build --preset release >/dev/null
git ls-files -z '*.cpp' ':!tests/' \
  | xargs -0 -P "$(nproc)" -n 4 clang-tidy -p build/release --quiet 2> >(grep -v -E '^[0-9]+ warnings? generated' >&2)
