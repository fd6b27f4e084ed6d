#!/usr/bin/env bash
# The release tools refuse before they build anything:
#   refusals.sh dirty-tree SCRIPT [ARG...]     a file not committed
#   refusals.sh missing-tool SCRIPT [ARG...]   cpack not on PATH
#   refusals.sh unknown-release SCRIPT ARG...  no record of the release
# It runs on a repository of its own holding only the script and the fail()
# of tools/fail.sh beside it, so it needs no checkout's history.
set -euo pipefail
case=$1
script=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
repo=$work/repo
name=${script##*/}
mkdir -p "$repo/tools"
cp "$script" "$repo/tools/$name"
cp "$(dirname "$script")/fail.sh" "$repo/tools/fail.sh"
git -C "$repo" init -q
git -C "$repo" add -A
git -C "$repo" -c user.name=test -c user.email=test@example.invalid commit -q -m release

path=$PATH
case $case in
  dirty-tree)
    touch "$repo/new-file"
    expected="changes not committed"
    ;;
  missing-tool)
    # Every program of the PATH but cpack.
    mkdir "$work/bin"
    IFS=: read -ra folders <<<"$PATH"
    for folder in "${folders[@]}"; do
      for program in "$folder"/*; do
        program_name=${program##*/}
        [[ $program_name == cpack || -e $work/bin/$program_name ]] || ln -s "$program" "$work/bin/$program_name"
      done
    done
    path=$work/bin
    expected="missing tools: .*cpack"
    ;;
  unknown-release)
    expected="no release $1 is recorded"
    ;;
  *)
    echo "unknown case $case" >&2
    exit 2
    ;;
esac

status=0
output=$(cd "$repo" && PATH=$path bash "tools/$name" "$@" 2>&1) || status=$?
echo "$output"
[[ $status -ne 0 ]] || { echo "FAIL: $name went on"; exit 1; }
grep -qE "$expected" <<<"$output" || { echo "FAIL: no \"$expected\" in what it said"; exit 1; }
[[ ! -e $repo/build && ! -e $repo/dist ]] || { echo "FAIL: it built something"; exit 1; }
echo "refused: $case"
