#!/usr/bin/env bash
# One Debian package of a release, for the Debian release this runs on
# (tools/release.sh runs it on Debian 12 and in the Debian 13 root):
#
#   deb.sh OUT
#
# Builds the program alone in OUT/build, makes the package with cpack, and
# leaves in OUT the .deb and facts.txt, for the bill of materials: the
# qt6-base source version it was built against, and the version of each
# package its Depends field names. SORVANE_COMMIT and
# SOURCE_DATE_EPOCH come from tools/release.sh; SORVANE_JOBS, the parallel
# compile jobs, defaults to the number of cores.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${1:?usage: deb.sh OUT}
rm -rf "$out"
mkdir -p "$out"
cmake --preset release -B "$out/build" -DSORVANE_BUILD_TESTS=OFF -DSORVANE_COMMIT="${SORVANE_COMMIT:-}" >/dev/null
nice -n 10 cmake --build "$out/build" --target sorvane --parallel "${SORVANE_JOBS:-$(nproc)}"
# cpack gives the package's folders and members the modes the umask leaves:
# the usual one, whatever the caller's, so the package is always the same and
# installs folders anyone can read.
umask 022
cpack --config "$out/build/CPackConfig.cmake" -B "$out/package" >/dev/null
mv "$out"/package/sorvane_*.deb "$out/"
{
  echo "os $(. /etc/os-release && echo "$PRETTY_NAME")"
  echo "qt6-base $(dpkg-query -W -f='${source:Version}' qt6-base-dev)"
  # Each package the Depends field names (of alternatives, those installed),
  # at the version it was built with.
  dpkg-deb -f "$out"/sorvane_*.deb Depends | tr ',|' '\n\n' | sed -E 's/^\s*//; s/[[:space:](:].*//' |
    grep . | LC_ALL=C sort -u | while read -r name; do
      dpkg-query -W -f='depends ${Package} ${Version} ${Architecture}\n' "$name" 2>/dev/null | head -n 1 || true
    done
} >"$out/facts.txt"
ls "$out"/sorvane_*.deb
