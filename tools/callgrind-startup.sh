#!/usr/bin/env bash
# Instructions to the first paint, offscreen, of the optimised program and of
# the bare Qt window, counted by callgrind; prints both and their ratio. The
# count is steady from run to run, unlike a time. See docs/performance.md.
#
#   bash tools/callgrind-startup.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/install-deps.sh tools/debian-packages.txt bench/callgrind.packages
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target sorvane_probe_main sorvane_probe_bare >/dev/null

if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi
out=$(mktemp -d)
count() {
  QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$out/$1.out" \
    "build/release/bench/sorvane_probe_$1" >/dev/null 2>"$out/$1.log"
  sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$out/$1.log"
}
main=$(count main)
bare=$(count bare)
echo "main window: $main instructions to the first paint"
echo "bare window: $bare instructions to the first paint"
awk -v m="$main" -v b="$bare" 'BEGIN { printf "ratio main / bare: %.2f\n", m / b }'
echo "callgrind profiles (callgrind_annotate --inclusive=yes FILE): $out/main.out $out/bare.out"
