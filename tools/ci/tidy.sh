#!/usr/bin/env bash
# clang-tidy (.clang-tidy) over the program's and tools' sources, with the
# compile commands of the optimised build that tools/test.sh configured.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh tools/ci/tidy.packages
[[ -f build/release/compile_commands.json ]] || cmake --preset release >/dev/null
# Qt's generated sources (moc, resources) must exist for the compile commands.
cmake --build --preset release >/dev/null
tidy() {
  xargs -0 -P "$(nproc)" -n 4 clang-tidy -p "$1" --quiet 2> >(grep -v -E '^[0-9]+ warnings? generated' >&2)
}
git ls-files -z '*.cpp' ':!tests/' ':!fuzz/' | tidy build/release
# The fuzz targets are compiled only by the fuzz preset (tools/ci/fuzz.sh),
# so only its build has their compile commands.
if [[ -f build/fuzz/compile_commands.json ]]; then
  git ls-files -z 'fuzz/*.cpp' | tidy build/fuzz
else
  echo "tidy: no fuzz build (tools/ci/fuzz.sh makes one): fuzz/ skipped" >&2
fi
