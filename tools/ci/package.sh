#!/usr/bin/env bash
# The Debian package: its contents and dependencies checked, then installed
# with apt as a user would install it, checked in place and removed again.
#
#   package.sh [PACKAGE.deb]
#
# Without a package, cpack makes one from the optimised build; CI gives it the
# release's own (.ci/run), so the package checked is the one that ships.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh tools/debian-packages.txt tools/ci/package.packages

source tools/fail.sh
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

# Reuses the build tools/test.sh made; only the program is needed, and only
# the configured identity when the package is given.
cmake --preset release >/dev/null
# The id and the release, as cmake/identity.cmake gives them.
source build/release/sorvane_identity.sh
id=$SORVANE_APP_ID
release=$SORVANE_RELEASE
if [[ $# -gt 0 ]]; then
  [[ -f $1 ]] || fail "no package $1"
  deb=$(realpath "$1")
  echo "checking $deb"
else
  cmake --build --preset release --target sorvane
  out=build/release/package
  rm -rf "$out"
  cpack --config build/release/CPackConfig.cmake -B "$out" >/dev/null
  debs=("$out"/sorvane_*.deb)
  [[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one sorvane_*.deb in $out"
  deb=$PWD/${debs[0]}
  echo "built $(basename "$deb")"
fi

# Every file at its standard place, and nothing else: the one list of what
# the install puts in place (the suite reads each from where it goes).
files=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sort)
expected=$(sort <<END
./usr/bin/sorvane
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/metainfo/$id.metainfo.xml
END
)
[[ "$files" == "$expected" ]] || fail "contents differ:"$'\n'"$(diff <(echo "$expected") <(echo "$files"))"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == sorvane ]] || fail "package name $(field Package)"
[[ $(field Version) == "$release" ]] || fail "version $(field Version), not the About box's $release"
for name in Maintainer Section Description; do
  [[ -n $(field "$name") ]] || fail "no $name"
done
echo "Depends: $(field Depends)"
# The package names the Depends field lists, without versions or alternatives.
mapfile -t depends < <(field Depends | tr ',|' '\n\n' | sed -E 's/\(.*\)//; s/^ +//; s/ +$//' | grep -v '^$')
for needed in $(bash tools/install-deps.sh --names tools/ci/package.depends); do
  printf '%s\n' "${depends[@]}" | grep -qx "$needed" || fail "does not depend on $needed: $(field Depends)"
done
# Public Qt alone: a *-abi dependency would tie the package to one exact Qt
# release, as a private call does.
abi=$(printf '%s\n' "${depends[@]}" | grep -- '-abi$' || true)
[[ -z $abi ]] || fail "depends on an exact Qt release: $abi"

# Installed as a user would, then found where the desktop looks.
# Other jobs on the machine may hold the dpkg lock for a while: wait for it.
export DEBIAN_FRONTEND=noninteractive
cleanup() { "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 remove -y -qq --purge sorvane >/dev/null 2>&1 || true; }
trap cleanup EXIT
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 install -y -qq "$deb" >/dev/null
[[ $(dpkg-query -W -f='${Status} ${Version}' sorvane) == "install ok installed $release" ]] || fail "not installed"
[[ $(command -v sorvane) == /usr/bin/sorvane ]] || fail "sorvane is not /usr/bin/sorvane"
while read -r path; do
  [[ -s ${path#.} ]] || fail "missing ${path#.}"
done <<<"$files"
desktop-file-validate /usr/share/applications/$id.desktop
if ldd /usr/bin/sorvane | grep -q 'not found'; then
  fail "unresolved libraries: $(ldd /usr/bin/sorvane | grep 'not found')"
fi
# The installed program opens its window on an X server (the xcb plugin comes
# from a dependency) and keeps running until it is stopped: timeout's 124.
status=0
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24" timeout 3 sorvane >/dev/null 2>&1 || status=$?
[[ $status -eq 124 ]] || fail "sorvane ended with $status instead of running"

cleanup
trap - EXIT
[[ ! -e /usr/bin/sorvane && ! -e /usr/share/applications/$id.desktop ]] || fail "files left after removal"
echo "package ok: $(basename "$deb")"
