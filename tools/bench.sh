#!/usr/bin/env bash
# Start-up and click measurements of the optimised program against a bare Qt
# window, on the offscreen platform and on an X server (one Xvfb for the whole
# run). Prints the machine, then medians and ratios; see docs/performance.md.
#
#   bash tools/bench.sh [RUNS [CLICKS]]     (defaults: 25 runs, 300 clicks)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-25}
clicks=${2:-300}

bash tools/install-deps.sh tools/debian-packages.txt bench/bench.packages
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target sorvane_bench_startup sorvane_bench_clicks
bin=build/release/bench

if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi

echo
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores," \
  "Debian $(cat /etc/debian_version), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')," \
  "load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo

"$bin/sorvane_bench_startup" --platform offscreen --runs "$runs"
echo
QT_QPA_PLATFORM=offscreen "$bin/sorvane_bench_clicks" --clicks "$clicks" 2>/dev/null
echo

# One X server for every xcb run; -displayfd picks a free display.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do
  [[ -s "$displayfile" ]] && break
  sleep 0.05
done
[[ -s "$displayfile" ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$displayfile")"

"$bin/sorvane_bench_startup" --platform xcb --runs "$runs"
echo
QT_QPA_PLATFORM=xcb "$bin/sorvane_bench_clicks" --clicks "$clicks" 2>/dev/null
