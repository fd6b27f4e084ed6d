#!/usr/bin/env bash
# The same commit gives the same bytes: tools/release.sh runs twice on clones
# of the commit checked out, the second once the first has ended, sharing only
# the caches (the Debian 13 root and the Windows Qt). The second differs in
# everything that could reach the build, on the host and, passed through by
# tools/ci/debian13.sh, inside the root:
#
#   |             | first                 | second                          |
#   |-------------|-----------------------|---------------------------------|
#   | folder      | .../a                 | .../second/a-longer-folder-name |
#   | umask       | 022                   | 077                             |
#   | time zone   | UTC                   | Asia/Tokyo                      |
#   | locale      | C.UTF-8               | ja_JP.UTF-8                     |
#   | host name   | this machine's        | another, in a UTS namespace     |
#   | jobs        | one a core            | 1                               |
#
# Every file of the two release folders must have the same SHA-256; for a
# pair that differs, diffoscope shows where.
#
# Debian's reprotest varies much the same, but around one build command whose
# environment it sets: here the build's larger part runs in a root entered
# with a cleared environment, so each variation has to be passed in by name
# anyway, and reprotest's own copies of the tree and comparison would stand
# beside these few lines rather than replace them. What this check leaves
# out of reprotest's variations: the clock (every step here stamps
# SOURCE_DATE_EPOCH instead), the user, and the order of a folder's entries
# (for which reprotest mounts disorderfs, a FUSE file system).
#
#   reproducible.sh [--keep FOLDER]
#
# With --keep, the first release's folder is kept as FOLDER, for the checks of
# the packages it holds (.ci/run).
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/fail.sh
keep=
if [[ ${1:-} == --keep ]]; then
  keep=${2:?--keep takes a folder}
fi
bash tools/install-deps.sh tools/debian-packages.txt tools/ci/package.packages tools/ci/debian13.packages \
  tools/ci/reproducible.packages
commit=$(git rev-parse HEAD)
work=$(mktemp -d /var/tmp/sorvane-reproducible.XXXXXX)
trap 'rm -rf --one-file-system "$work"' EXIT
first=$work/a
second=$work/second/a-longer-folder-name
release() {
  local folder=$1 mask=$2 zone=$3 locale=$4 host=$5 jobs=$6 start=$SECONDS
  git clone -q "$PWD" "$folder"
  git -C "$folder" checkout -q "$commit"
  (cd "$folder" && umask "$mask" && TZ=$zone LC_ALL=$locale SORVANE_JOBS=$jobs \
    unshare --uts bash -c 'hostname "$1" && exec bash tools/release.sh' - "$host" >"$folder.log" 2>&1) ||
    { tail -n 40 "$folder.log" >&2; fail "the release in $folder failed"; }
  echo "release in $folder (umask $mask, TZ=$zone, LC_ALL=$locale, host $host, jobs $jobs):" \
    "$((SECONDS - start)) s"
}
release "$first" 022 UTC C.UTF-8 "$(hostname)" "$(nproc)"
release "$second" 077 Asia/Tokyo ja_JP.UTF-8 second-builder.example.jp 1

a=$(echo "$first"/dist/sorvane-*)
b=$(echo "$second"/dist/sorvane-*)
[[ -d $a && -d $b && $(basename "$a") == "$(basename "$b")" ]] || fail "no release folders"
differ=()
while read -r name; do
  if [[ ! -f $a/$name || ! -f $b/$name ]]; then
    echo "only in one release: $name"
    differ+=("$name")
  elif ! cmp -s "$a/$name" "$b/$name"; then
    differ+=("$name")
  fi
done < <( (cd "$a" && ls; cd "$b" && ls) | sort -u)
(cd "$a" && sha256sum -- *)
if [[ ${#differ[@]} -eq 0 ]]; then
  echo "reproducible: $(ls "$a" | wc -l) files of $(basename "$a"), the same SHA-256 from both builds of $commit"
  if [[ -n $keep ]]; then
    rm -rf "$keep"
    mkdir -p "$(dirname "$keep")"
    mv "$a" "$keep"
  fi
  exit 0
fi
for name in "${differ[@]}"; do
  echo "== $name differs:"
  if [[ -f $a/$name && -f $b/$name ]]; then
    diffoscope --no-progress --text - "$a/$name" "$b/$name" | head -n 200 || true
  fi
done
fail "${#differ[@]} file(s) differ between two builds of $commit: ${differ[*]}"
