#!/usr/bin/env bash
# Installs the Debian packages that are missing from the lists given (one
# package a line, # for comments); with no list, from debian-packages.txt: what
# the build, the program and the tests need. A name that only one Debian
# release has is written after that release's codename and a colon
# (bookworm:NAME, trixie:NAME), so one list serves Debian 12 and 13.
#
#   install-deps.sh [LIST...]           installs what is missing
#   install-deps.sh --names LIST...     only prints the names for this release
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/fail.sh"
names_only=
[[ ${1:-} == --names ]] && names_only=1 && shift
lists=("$@")
[[ ${#lists[@]} -gt 0 ]] || lists=("$here/debian-packages.txt")
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
mapfile -t wanted < <(cat "${lists[@]}" | sed -E 's/\s*#.*//; s/^\s+//; s/\s+$//' | grep -v '^$' |
  sed -nE "s/^$codename://p; t; /^[^:]+$/p")
if [[ -n $names_only ]]; then
  printf '%s\n' "${wanted[@]}"
  exit 0
fi
missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
if ! output=$(LC_ALL=C.UTF-8 "${sudo[@]}" apt-get update -qq 2>&1); then
  echo "$output" >&2
  fail_if_lists_expired "$output"
  exit 1
fi
[[ -z $output ]] || echo "$output" >&2
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
