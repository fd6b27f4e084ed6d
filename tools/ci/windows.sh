#!/usr/bin/env bash
# The Windows build, cross-built in the Debian 13 root of tools/ci/debian13.sh
# whatever release the host runs: Qt for MinGW-w64 from Debian 13's source
# package (built once, then taken from the cache), the program and the tests,
# the whole suite under Debian 13's Wine on the offscreen platform, the zip and
# the installer, the smoke check of the unpacked zip under Wine in Xvfb, and the
# installer's check: installed, run and removed again under Wine.
#
#   windows.sh [RELEASE-FOLDER]
#
# Given a release's folder inside the checkout (CI gives it the first release
# of tools/ci/reproducible.sh), the smoke and installer checks take that
# release's zip and installer instead of packages built here again.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/fail.sh
if [[ -z ${SORVANE_DEBIAN13:-} ]]; then
  keep=(--keep build/windows)
  [[ $# -eq 0 ]] || keep+=(--keep "$1")
  exec bash tools/ci/debian13.sh "${keep[@]}" bash tools/ci/windows.sh "$@"
fi
wine --version
start=$SECONDS
if [[ $# -gt 0 ]]; then
  bash tools/windows/build.sh --tests
  packages=$1
else
  bash tools/windows/build.sh --all
  packages=build/windows/package
fi
zips=("$packages"/sorvane-*-windows-x86_64.zip)
[[ -f ${zips[0]} ]] || fail "no Windows zip in $packages"
zip=${zips[0]}
name=$(basename "$zip" .zip)
# The installer must put in place what the zip holds.
stage=build/windows/zip-contents
rm -rf "$stage"
mkdir -p "$stage"
unzip -q "$zip" -d "$stage"
built=$SECONDS
ctest --preset windows -j "$(nproc)"
tested=$SECONDS
bash tools/windows/smoke.sh "$zip"
smoked=$SECONDS
bash tools/windows/installer-check.sh "$packages/$name-setup.exe" "$stage/$name"
echo "windows: build $((built - start)) s, tests under Wine $((tested - built)) s, smoke $((smoked - tested)) s," \
  "installer $((SECONDS - smoked)) s"
