#!/usr/bin/env bash
# Rebuilds a recorded release and compares it with its record, as an
# independent rebuilder would:
#
#   bash tools/verify-release.sh [--reuse-cache] [--against FOLDER] RELEASE
#
# The record, releases/RELEASE/, holds the release's SHA256SUMS, its build
# information and the commit it was built from (tools/release.sh --record
# writes it). This clones the recorded commit into a folder of its own and
# runs that commit's tools/release.sh there. By default it starts from
# nothing: with an empty cache of its own, the Debian 13 root and the Windows
# Qt are made again. --reuse-cache takes this machine's cache instead
# (SORVANE_CACHE, by default /var/cache/sorvane), for speed. It prints the
# time of each stage (the root, the Qt, the release) and every file's result
# against the recorded SHA256SUMS.
#
# Where a file differs, it prints the packages whose versions differ from the
# recorded build information, then diffoscope's report of each file that
# differs, and fails. diffoscope needs the released file: it is taken from
# FOLDER (--against: the release folder as downloaded; by default this
# checkout's dist/sorvane-RELEASE), where its bytes are the recorded ones;
# the build information and SHA256SUMS are in the record itself.
#
# The rebuild runs in the C.UTF-8 locale in UTC, whatever the caller's: the
# commit of 1.02 still ordered the installer's files by the locale that
# LC_ALL gave the Debian 13 root.
#
# Not part of CI: a Debian update to the compiler or to Qt would make the
# rebuild differ for no fault of the code. The folder is removed when every
# file is identical, and kept otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/fail.sh
reuse= against=
while [[ ${1:-} == --* ]]; do
  case $1 in
    --reuse-cache) reuse=1; shift ;;
    --against) against=$(realpath "${2:?--against takes a folder}"); shift 2 ;;
    *) fail "unknown option $1" ;;
  esac
done
[[ $# -eq 1 ]] || fail "usage: verify-release.sh [--reuse-cache] [--against FOLDER] RELEASE"
release=$1
changes=$(git status --porcelain --untracked-files=normal)
[[ -z $changes ]] || fail "the tree has changes not committed; the record compared with must be the repository's:
$changes"
record=releases/$release
if [[ ! -f $record/COMMIT || ! -f $record/SHA256SUMS ]]; then
  known=$(ls releases 2>/dev/null | tr '\n' ' ' || true)
  fail "no release $release is recorded in releases/ (recorded: ${known:-none})"
fi
commit=$(<"$record/COMMIT")
buildinfo=$record/sorvane-$release.buildinfo
[[ -f $buildinfo ]] || fail "the record $record has no sorvane-$release.buildinfo"
git cat-file -e "$commit^{commit}" 2>/dev/null || fail "the recorded commit $commit is not in this repository"
if [[ -z $against && -d dist/sorvane-$release ]]; then
  against=$PWD/dist/sorvane-$release
fi

bash tools/install-deps.sh tools/debian-packages.txt tools/ci/package.packages tools/ci/debian13.packages \
  tools/ci/reproducible.packages
work=$(mktemp -d "/var/tmp/sorvane-verify-$release.XXXXXX")
echo "rebuilding $release from commit $commit in $work"
git clone -q "$PWD" "$work/src"
git -C "$work/src" checkout -q "$commit"
if [[ -z $reuse ]]; then
  export SORVANE_CACHE=$work/cache
fi
times=()
stage() {
  local name=$1 start=$SECONDS
  shift
  (cd "$work/src" && env -u LC_ALL LANG=C.UTF-8 TZ=UTC "$@") >"$work/$name.log" 2>&1 ||
    { tail -n 40 "$work/$name.log" >&2; fail "the stage $name failed (its log: $work/$name.log)"; }
  times+=("$name $((SECONDS - start)) s")
}
stage root bash tools/ci/debian13.sh true
stage qt bash tools/windows/build-qt.sh
stage release bash tools/release.sh
echo "stages: ${times[*]}"

rebuilt=$work/src/dist/sorvane-$release
differ=()
while read -r sum name; do
  if [[ ! -f $rebuilt/$name ]]; then
    echo "missing    $name"
    differ+=("$name")
  elif [[ $(sha256sum <"$rebuilt/$name" | cut -d' ' -f1) == "$sum" ]]; then
    echo "identical  $name"
  else
    echo "differs    $name"
    differ+=("$name")
  fi
done <"$record/SHA256SUMS"
# SHA256SUMS cannot name itself: the record holds it whole.
if cmp -s "$rebuilt/SHA256SUMS" "$record/SHA256SUMS"; then
  echo "identical  SHA256SUMS"
else
  echo "differs    SHA256SUMS"
  differ+=(SHA256SUMS)
fi
for name in $(ls "$rebuilt"); do
  [[ $name == SHA256SUMS ]] && continue
  awk -v name="$name" '$2 == name { found = 1 } END { exit !found }' "$record/SHA256SUMS" ||
    { echo "not in the record: $name"; differ+=("$name"); }
done
if [[ ${#differ[@]} -eq 0 ]]; then
  echo "verified: all $(($(wc -l <"$record/SHA256SUMS") + 1)) files of $release identical to the record"
  rm -rf --one-file-system "$work"
  exit 0
fi

# The packages a build used, a line each, under the name of the part that
# used it, so that a version changed shows as one line out and one in.
packages() {
  awk '/^[A-Za-z-]+:/ { field = $1 } /^ / { print field $0 }' "$1"
}
echo "== packages whose versions differ from the recorded build information (< recorded, > rebuilt):"
diff <(packages "$buildinfo") <(packages "$rebuilt/sorvane-$release.buildinfo") || true
for name in "${differ[@]}"; do
  [[ -f $rebuilt/$name ]] || continue
  released=
  if [[ -f $record/$name ]]; then
    released=$record/$name
  elif [[ -n $against && -f $against/$name ]] &&
       grep -qxF "$(sha256sum <"$against/$name" | cut -d' ' -f1)  $name" "$record/SHA256SUMS"; then
    released=$against/$name
  fi
  echo "== $name differs:"
  if [[ -n $released ]]; then
    diffoscope --no-progress --text - "$released" "$rebuilt/$name" | head -n 300 || true
  else
    echo "(no copy of the released file to compare with: give the downloaded release folder with --against)"
  fi
done
fail "${#differ[@]} file(s) differ from the record of $release: ${differ[*]} (the rebuild: $work)"
