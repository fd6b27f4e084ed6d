#!/usr/bin/env bash
# The part of a release made in the Debian 13 root (tools/release.sh runs it
# there, with build/dist the host's): the Debian 13 package, the Windows zip
# and installer, then the whole release folder, build/dist/out: the four
# downloads, a bill of materials for each, Qt's own SPDX document, the build
# information, the release notes and SHA256SUMS. The host's Debian 12 package
# is in build/dist/debian12, and what the host's part used in
# build/dist/host.txt.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/fail.sh
[[ -n ${SORVANE_DEBIAN13:-} ]] || fail "runs in the Debian 13 root (tools/release.sh)"
dist=build/dist
bash tools/release/deb.sh "$dist/debian13"
SORVANE_WINDOWS_BUILD=$dist/windows bash tools/windows/build.sh
# What the Windows downloads hold besides the program and Qt: the runtime
# DLLs' packages and the installer's maker, with the versions Debian gives.
{
  for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    path=$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)
    package=$( (dpkg -S "$path" || dpkg -S "$(realpath "$path")") 2>/dev/null | head -n 1 | cut -d: -f1)
    [[ -n $package ]] || fail "no package holds $path"
    echo "runtime $dll $package $(dpkg-query -W -f='${Version} ${Architecture}' "$package")"
  done
  echo "nsis $(dpkg-query -W -f='${Version} ${Architecture}' nsis)"
} >"$dist/windows/facts.txt"
# The packages the root's part used, the Windows Qt's upgrade of qt6-base, if
# any, included.
bash tools/release/packages.sh tools/debian-packages.txt tools/ci/windows.packages \
  tools/release/release.packages >"$dist/root.txt"
# The program's name and release, as cmake/identity.cmake gives them.
set -a
source "$dist/windows/sorvane_identity.sh"
set +a
qt=$(sed -nE 's/^CMAKE_PREFIX_PATH:[A-Z]+=(.*)$/\1/p' "$dist/windows/CMakeCache.txt")
python3 tools/release/make-dist.py --dist "$dist" --qt "$qt" --out "$dist/out"
python3 tools/release/check-sbom.py "$dist"/out/*.cdx.json
