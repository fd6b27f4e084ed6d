#!/usr/bin/env bash
# The Windows build, cross-built in the Debian 13 root of tools/ci/debian13.sh
# whatever release the host runs: Qt for MinGW-w64 from Debian 13's source
# package (built once, then taken from the cache), the program and the tests,
# the whole suite under Debian 13's Wine on the offscreen platform, the zip and
# the installer, the smoke check of the unpacked zip under Wine in Xvfb, and the
# installer's check: installed, run and removed again under Wine.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [[ -z ${SORVANE_DEBIAN13:-} ]]; then
  exec bash tools/ci/debian13.sh --keep build/windows bash tools/ci/windows.sh "$@"
fi
wine --version
start=$SECONDS
bash tools/windows/build.sh --all
built=$SECONDS
ctest --preset windows -j "$(nproc)"
tested=$SECONDS
name=$(basename build/windows/package/sorvane-*-windows-x86_64.zip .zip)
bash tools/windows/smoke.sh "build/windows/package/$name.zip"
smoked=$SECONDS
bash tools/windows/installer-check.sh "build/windows/package/$name-setup.exe" "build/windows/package/$name"
echo "windows: build $((built - start)) s, tests under Wine $((tested - built)) s, smoke $((smoked - tested)) s," \
  "installer $((SECONDS - smoked)) s"
