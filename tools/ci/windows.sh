#!/usr/bin/env bash
# The Windows build, cross-built on Debian: Qt for MinGW-w64 from Debian's
# source package (built once, then taken from the cache), the program and the
# tests, the whole suite under Wine on the offscreen platform, the zip, and the
# smoke check of the unpacked zip under Wine in Xvfb.
set -euo pipefail
cd "$(dirname "$0")/../.."
start=$SECONDS
bash tools/windows/build.sh --all
built=$SECONDS
ctest --preset windows -j "$(nproc)"
tested=$SECONDS
bash tools/windows/smoke.sh build/windows/package/sorvane-*-windows-x86_64.zip
echo "windows: build $((built - start)) s, tests under Wine $((tested - built)) s, smoke $((SECONDS - tested)) s"
