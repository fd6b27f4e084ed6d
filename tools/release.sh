#!/usr/bin/env bash
# Makes a release from the commit checked out, on Debian 12:
#
#   bash tools/release.sh [--record]
#
# writes dist/sorvane-<release>/ with the Debian 12 package (built here), the
# Debian 13 package and the Windows zip and installer (built in the Debian 13
# root of tools/ci/debian13.sh), a CycloneDX bill of materials for each, Qt's
# own SPDX document, the build information (the commit, the epoch, the Debian
# releases and the package versions of this machine and of the root, the
# Windows Qt), the release notes from CHANGELOG.md, and SHA256SUMS over all of
# them. The same commit gives the same bytes, from any folder, at any time,
# under any umask: tools/ci/reproducible.sh checks that.
#
# With --record, it also writes the release's record, releases/<release>/:
# its SHA256SUMS, its build information and the commit, to be committed, so
# that anyone can rebuild it and compare (tools/verify-release.sh).
#
# Refuses a tree with changes not committed (the files would not be the
# commit's), and a machine without the tools it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/fail.sh
record=
[[ ${1:-} == --record ]] && record=1
# The packages this machine's part of the build uses.
lists=(tools/debian-packages.txt tools/ci/package.packages tools/ci/debian13.packages)

command -v git >/dev/null || fail "missing tools: git"
changes=$(git status --porcelain --untracked-files=normal)
[[ -z $changes ]] || fail "the tree has changes not committed; a release is made from a commit alone:
$changes"
# Everything the host runs itself; the Debian 13 root brings the rest.
tools=(sha256sum cmake ninja g++ cpack dpkg-deb dpkg-shlibdeps file mmdebstrap unshare flock)
missing=()
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
[[ ${#missing[@]} -eq 0 ]] || fail "missing tools: ${missing[*]}. Install them with:
  bash tools/install-deps.sh ${lists[*]}"
[[ $(. /etc/os-release && echo "$VERSION_ID") == 12 ]] ||
  fail "a release is made on Debian 12 (its package is built here, Debian 13's in a Debian 13 root)"

# The one place the release's time is set: the commit's, for every step that
# stamps a time (compiler, linker, strip, rcc, cpack, zip, makensis).
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
SORVANE_COMMIT=$(git rev-parse HEAD)
export SOURCE_DATE_EPOCH SORVANE_COMMIT
echo "commit $SORVANE_COMMIT, time $(date -u -d "@$SOURCE_DATE_EPOCH" +%FT%TZ)"

rm -rf build/dist
mkdir -p build/dist
bash tools/release/deb.sh build/dist/debian12
bash tools/release/packages.sh "${lists[@]}" >build/dist/host.txt
bash tools/ci/debian13.sh --keep build/dist bash tools/release/debian13.sh

source build/dist/debian12/build/sorvane_identity.sh
out=dist/sorvane-$SORVANE_RELEASE
rm -rf "$out"
mkdir -p dist
cp -r build/dist/out "$out"
(cd "$out" && sha256sum --quiet -c SHA256SUMS)
echo "release $SORVANE_RELEASE in $out:"
(cd "$out" && sha256sum -- *)
if [[ -n $record ]]; then
  folder=releases/$SORVANE_RELEASE
  rm -rf "$folder"
  mkdir -p "$folder"
  cp "$out/SHA256SUMS" "$out/sorvane-$SORVANE_RELEASE.buildinfo" "$folder/"
  echo "$SORVANE_COMMIT" >"$folder/COMMIT"
  echo "recorded in $folder: commit it"
fi
