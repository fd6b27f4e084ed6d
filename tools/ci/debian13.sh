#!/usr/bin/env bash
# The README's test command and the Debian package on Debian 13 (Qt 6.8), next
# to this Debian 12 machine (Qt 6.4): in a minimal Debian 13 root made with
# mmdebstrap from Debian's own packages, on a clean copy of the checkout,
# `bash tools/test.sh`, then `bash tools/ci/package.sh` (builds the package,
# installs it in the root with apt and starts the installed program until its
# first window). The Windows build (tools/windows/build.sh) runs in the same
# root, so its packages are the root's too.
#
# The root is made once and cached outside the checkout, keyed by what goes
# into it: the release, the mirrors, the package lists and the script that
# installs them, which runs inside the new root as it would on a user's fresh
# machine. Each run works on an overlay of the cached root, so the cache stays
# as it was made, and inside its own mount and process namespaces: whatever
# way the run ends, the kernel takes its mounts and processes with it.
#
#   bash tools/ci/debian13.sh [--keep FOLDER]... [COMMAND...]
#
# With a command, runs that instead of the checks, in the copy of the checkout
# in the root (for instance `bash tools/callgrind-startup.sh`); packages it
# installs go with the run. With --keep, the checkout's FOLDER (a build tree,
# say build/windows) is the host's own, so what the run writes there stays;
# --keep may be given more than once.
# Inside, /var/cache/sorvane is the host's $SORVANE_CACHE/inside, kept between
# runs (the Windows Qt is cached there), and SORVANE_DEBIAN13 is set;
# SORVANE_JOBS, SOURCE_DATE_EPOCH, SORVANE_COMMIT, TZ and LC_ALL pass through,
# and so do the umask and the host name.
#
#   SORVANE_CACHE   cache directory (default /var/cache/sorvane, or
#                   ~/.cache/sorvane when that is not writable)
set -euo pipefail
checkout=$(cd "$(dirname "$0")/../.." && pwd)
cd "$checkout"
source "$checkout/tools/fail.sh"
[[ $(id -u) -eq 0 ]] || exec sudo -E bash "$0" "$@"

if [[ ${1:-} == --inside ]]; then
  # In the new namespaces: the overlay, what the programs inside need of the
  # running system, and the checks. The kernel drops these mounts when the
  # namespaces end; unmounting on the way out keeps that true even if the
  # namespaces were ever shared.
  lower=$2 upper=$3 merged=$4
  mount --make-rprivate /
  if [[ $upper == - ]]; then
    # The root being made: bound onto itself, so one unmount takes everything.
    merged=$lower
    mount --bind "$merged" "$merged"
  else
    mount -t overlay sorvane-debian13 -o "lowerdir=$lower,upperdir=$upper/data,workdir=$upper/work" "$merged"
  fi
  trap 'umount -R "$merged" 2>/dev/null || true' EXIT
  mount -t proc proc "$merged/proc"
  mount --rbind /dev "$merged/dev"
  mount -t tmpfs tmpfs "$merged/tmp"
  if [[ $upper != - ]]; then
    mkdir -p "$merged/var/cache/sorvane"
    mount --bind "$SORVANE_DEBIAN13_CACHE" "$merged/var/cache/sorvane"
    for kept in ${SORVANE_DEBIAN13_KEEP:-}; do
      mkdir -p "$merged/src/$kept"
      mount --bind "$checkout/$kept" "$merged/src/$kept"
    done
  fi
  # A run may install what it needs beyond the root's packages; the copy goes
  # with the run's upper layer.
  [[ $upper == - ]] || cp -L /etc/resolv.conf "$merged/etc/resolv.conf"
  shift 4
  chroot "$merged" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 CI="${CI:-}" SORVANE_DEBIAN13=1 ${SORVANE_JOBS:+SORVANE_JOBS=$SORVANE_JOBS} \
    ${SOURCE_DATE_EPOCH:+SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH} ${SORVANE_COMMIT:+SORVANE_COMMIT=$SORVANE_COMMIT} \
    ${TZ:+TZ=$TZ} ${LC_ALL:+LC_ALL=$LC_ALL} \
    bash -c "$*"
  exit
fi

keep=()
while [[ ${1:-} == --keep ]]; do
  folder=${2%/}
  [[ -n $folder && $folder != /* && $folder != *..* && $folder != *[[:space:]]* ]] ||
    fail "--keep takes a folder inside the checkout, without spaces"
  keep+=("$folder")
  shift 2
done

bash tools/install-deps.sh tools/ci/debian13.packages
start=$SECONDS
suite=trixie
lists=(tools/debian-packages.txt tools/ci/package.packages tools/ci/windows.packages tools/release/release.packages)
# The same mirrors as this machine's apt, named for Debian 13's suites.
mirrors=()
while read -r uri; do
  case $uri in
    *security*) mirrors+=("deb $uri $suite-security main") ;;
    *) mirrors+=("deb $uri $suite main" "deb $uri $suite-updates main") ;;
  esac
done < <(
  { sed -nE 's/^URIs:\s*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null
    sed -nE 's/^deb\s+(\[[^]]*\]\s+)?(\S+).*/\2/p' /etc/apt/sources.list 2>/dev/null; } | tr ' ' '\n' | grep . | LC_ALL=C sort -u)
[[ ${#mirrors[@]} -gt 0 ]] || fail "no Debian mirror in this machine's apt sources"
# Apt checks that the lists are valid, in the root as on any Debian machine:
# an expired list could be a stale or replayed one, holding back fixes.
options=(--variant=apt --include=ca-certificates)
key=$( { echo "$suite"; printf '%s\n' "${mirrors[@]}" "${options[@]}"; cat tools/install-deps.sh "${lists[@]}"; } |
         sha256sum | cut -c1-12)

cache=${SORVANE_CACHE:-/var/cache/sorvane}
if ! mkdir -p "$cache" 2>/dev/null || [[ ! -w $cache ]]; then
  cache=${XDG_CACHE_HOME:-$HOME/.cache}/sorvane
  mkdir -p "$cache"
fi
base=$cache/debian13-$key
# What runs in the root keeps between runs (not named debian13-*, so a new
# root leaves it be).
mkdir -p "$cache/inside"
export SORVANE_DEBIAN13_CACHE=$cache/inside
if [[ ${#keep[@]} -gt 0 ]]; then
  mkdir -p "${keep[@]}"
  export SORVANE_DEBIAN13_KEEP="${keep[*]}"
fi

# A clean copy of the checkout: what git tracks, as it stands in the work tree,
# and new files git does not ignore; no build trees.
copy_checkout() {
  mkdir -p "$1"
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [[ -e $file ]] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -C "$1" -xf -
}

# Runs the commands, as one bash -c string, in the root: the cached one
# through an overlay in UPPER, or, with UPPER -, the root itself while it is made.
#   in_root ROOT UPPER MERGED COMMANDS...
# Waited for in the background, so that an interruption ends the run at once:
# the namespaces' first process is killed with unshare, and the kernel then
# ends every process and mount in them.
inner=
in_root() {
  local lower=$1 upper=$2 merged=$3
  shift 3
  unshare --mount --pid --fork --kill-child bash "$0" --inside "$lower" "$upper" "$merged" "$*" &
  inner=$!
  wait "$inner"
}
work=
finish() {
  if [[ -n $inner ]]; then
    kill "$inner" 2>/dev/null || true
    wait "$inner" 2>/dev/null || true
  fi
  # The kernel ends the processes in the namespaces a moment after their first
  # one, and one may still write a file meanwhile: removed until it is gone.
  # Should a mount ever outlive the namespaces, removal stops at it rather
  # than descend into the machine's /dev.
  local tries
  for tries in 1 2 3 4 5; do
    [[ -n $work && -e $work ]] || break
    rm -rf --one-file-system "$work" 2>/dev/null || sleep 1
  done
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Every run holds its root's lock shared, so that a run with other inputs
# (another checkout on the same machine) does not remove a root in use. The
# root is made under the lock held alone, so that of two runs that find it
# missing at once, one makes it and the other waits for it.
exec 8>"$base.lock"
flock -s 8
[[ -f $base/.complete ]] || flock -x 8
if [[ ! -f $base/.complete ]]; then
  echo "Debian 13 root: making $base"
  made=$SECONDS
  # Roots made from other inputs are of no more use, once no run uses them.
  for old in "$cache"/debian13-*/; do
    old=${old%/}
    [[ $old == "$base" ]] && continue
    ( flock -n -x 9 || exit 0; rm -rf --one-file-system "$old"; rm -f "$old.lock" ) 9>"$old.lock"
  done
  rm -rf --one-file-system "$base"
  mkdir -p "$base"
  # mmdebstrap mounts what it needs in the new root itself: in a mount
  # namespace of its own, those mounts end with it too.
  if ! LC_ALL=C.UTF-8 unshare --mount --propagation private mmdebstrap --quiet "${options[@]}" "$suite" "$base/root" \
    "${mirrors[@]}" 2>"$base.log"; then
    cat "$base.log" >&2
    fail_if_lists_expired "$(<"$base.log")"
    fail "mmdebstrap could not make the root"
  fi
  rm -f "$base.log"
  # The install step of the README's commands, as on a fresh machine.
  cp -L /etc/resolv.conf "$base/root/etc/resolv.conf"
  copy_checkout "$base/root/var/tmp/checkout"
  in_root "$base/root" - - "cd /var/tmp/checkout && bash tools/install-deps.sh ${lists[*]} && apt-get clean"
  rm -rf "$base/root/var/tmp/checkout" "$base/root/etc/resolv.conf"
  touch "$base/.complete"
  echo "Debian 13 root: made in $((SECONDS - made)) s"
else
  echo "Debian 13 root: cached ($base)"
fi
flock -s 8

work=$(mktemp -d /var/tmp/sorvane-debian13.XXXXXX)
mkdir -p "$work"/{data,work,merged}
copy_checkout "$work/data/src"
checked=$SECONDS
if [[ $# -gt 0 ]]; then
  commands="$(printf '%q ' "$@")"
else
  commands="bash tools/test.sh && bash tools/ci/package.sh"
fi
status=0
in_root "$base/root" "$work" "$work/merged" \
  "cd /src && . /etc/os-release && echo \"\$PRETTY_NAME, Qt \$(dpkg-query -W -f='\${Version}' qt6-base-dev)\" && $commands" ||
  status=$?
if findmnt -rn -o TARGET | grep -qF "$work"; then
  fail "mounts left under $work"
fi
[[ $status -eq 0 ]] || fail "failed on Debian 13 (status $status)"
echo "debian13: root $((checked - start)) s, the run $((SECONDS - checked)) s"
