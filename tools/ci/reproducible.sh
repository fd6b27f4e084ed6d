#!/usr/bin/env bash
# The same commit gives the same bytes: tools/release.sh runs twice on clones
# of the commit checked out, in folders of different names and depths, with
# different umasks and time zones and at different times (the second starts
# when the first has ended), sharing only the caches (the Debian 13 root and
# the Windows Qt). Every file of the two release folders must have the same
# SHA-256; for a pair that differs, diffoscope shows where.
#
#   reproducible.sh [--keep FOLDER]
#
# With --keep, the first release's folder is kept as FOLDER, for the checks of
# the packages it holds (.ci/run).
set -euo pipefail
cd "$(dirname "$0")/../.."
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
  local folder=$1 mask=$2 zone=$3 start=$SECONDS
  git clone -q "$PWD" "$folder"
  git -C "$folder" checkout -q "$commit"
  (cd "$folder" && umask "$mask" && TZ=$zone bash tools/release.sh >"$folder.log" 2>&1) ||
    { tail -n 40 "$folder.log" >&2; echo "reproducible.sh: the release in $folder failed" >&2; exit 1; }
  echo "release in $folder (umask $mask, TZ=$zone): $((SECONDS - start)) s"
}
release "$first" 022 UTC
release "$second" 077 Asia/Tokyo

a=$(echo "$first"/dist/sorvane-*)
b=$(echo "$second"/dist/sorvane-*)
[[ -d $a && -d $b && $(basename "$a") == "$(basename "$b")" ]] || { echo "reproducible.sh: no release folders" >&2; exit 1; }
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
echo "reproducible.sh: ${#differ[@]} file(s) differ between two builds of $commit: ${differ[*]}" >&2
exit 1
