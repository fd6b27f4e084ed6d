#!/usr/bin/env bash
# clang-tidy (.clang-tidy) over the program's and tools' sources, then clazy's
# Qt rules over them and the tests, with the compile commands of the optimised
# build that tools/test.sh configured.
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

# clazy: the rules of its level 0 everywhere, of level 1 outside the tests
# (GoogleTest's macros are the global statics it reports there), and two from
# higher levels everywhere. missing-qobject-macro: a QObject subclass without
# Q_OBJECT shares its base class's meta-object, so findChild, qobject_cast and
# inherits() take any object of that base for it (Qt 6.8 refuses findChild on
# such a class at compile time; Qt 6.4 does not). unneeded-cast: qobject_cast,
# not dynamic_cast, on QObjects, and no cast where none is needed.
clazy_out=$(mktemp)
trap 'rm -f "$clazy_out"' EXIT
run_clazy() {
  local checks=$1
  shift
  git ls-files -z "$@" |
    xargs -0 -P "$(nproc)" -n 4 clazy-standalone -p build/release --checks="$checks" \
      --header-filter="^$PWD/(app|calc|numbers|layout|desktop|ui|tools|bench|tests)/" >>"$clazy_out" 2>&1
}
status=0
run_clazy level0,level1,missing-qobject-macro,unneeded-cast '*.cpp' ':!tests/' ':!fuzz/' || status=$?
run_clazy level0,missing-qobject-macro,unneeded-cast 'tests/*.cpp' || status=$?
# The build's -Werror makes each finding an error, and clazy's exit status says so.
if [[ $status -ne 0 ]] || grep -q -E '(warning|error):' "$clazy_out"; then
  cat "$clazy_out" >&2
  echo "tidy: clazy found the above" >&2
  exit 1
fi
