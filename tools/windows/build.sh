#!/usr/bin/env bash
# Builds the Windows packages in build/windows/package: the zip,
# sorvane-<release>-windows-x86_64.zip, and the installer made from the same
# files, sorvane-<release>-windows-x86_64-setup.exe (make-installer.sh). The
# files are Qt for MinGW-w64 from Debian 13's source (cached, see build-qt.sh),
# the program cross-built against it, and beside sorvane.exe the DLLs and plugins
# it loads, in the layout windeployqt gives, with Qt's Japanese translations,
# the README.txt the build generates and the licences. Checks the zip's
# contents before it ends. Prints the zip's path and then the installer's as
# its last two lines.
#
# With --all it also builds the test programs (tools/ci/windows.sh runs them);
# with --tests it builds the program and the test programs and stops there,
# for a check that takes its packages from a release.
# SORVANE_WINDOWS_BUILD names another build tree than build/windows
# (tools/release.sh builds in a fresh one); SORVANE_COMMIT, the commit the
# notes and the installer name; SOURCE_DATE_EPOCH, the time every file and
# header is stamped with; SORVANE_JOBS, the parallel compile jobs (default:
# the number of cores).
#
# It all happens in the Debian 13 root of tools/ci/debian13.sh, whatever
# release the host runs: Debian 13's MinGW-w64, Qt host tools and qt6-base
# source. build/windows is the host's, so the packages and the build tree stay.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
if [[ -z ${SORVANE_DEBIAN13:-} ]]; then
  exec bash tools/ci/debian13.sh --keep build/windows bash tools/windows/build.sh "$@"
fi
source tools/fail.sh
build=${SORVANE_WINDOWS_BUILD:-build/windows}
targets=(--target sorvane)
[[ ${1:-} == --all || ${1:-} == --tests ]] && targets=()

bash tools/install-deps.sh tools/debian-packages.txt tools/ci/windows.packages
qt=$(bash tools/windows/build-qt.sh | tail -n 1)
export SORVANE_QT_WINDOWS=$qt
# A tree configured elsewhere (on the host, before this build moved into the
# root) cannot be reused here: it is made anew.
if [[ -f $build/CMakeCache.txt ]] &&
  ! grep -qxF "CMAKE_HOME_DIRECTORY:INTERNAL=$root" "$build/CMakeCache.txt"; then
  find "$build" -mindepth 1 -delete
fi
cmake --preset windows -B "$build" -DSORVANE_COMMIT="${SORVANE_COMMIT:-}" >/dev/null
nice -n 10 cmake --build "$build" "${targets[@]}" --parallel "${SORVANE_JOBS:-$(nproc)}"
[[ ${1:-} == --tests ]] && exit 0

# The release, as cmake/identity.cmake gives it.
source "$build/sorvane_identity.sh"
[[ -n $SORVANE_RELEASE ]] || fail "no SORVANE_RELEASE in $build/sorvane_identity.sh"
name=sorvane-$SORVANE_RELEASE-windows-x86_64
out=$build/package
stage=$out/$name
rm -rf "$out"
mkdir -p "$stage"

mingw=x86_64-w64-mingw32
runtime_dirs=()
for dll in libstdc++-6.dll libwinpthread-1.dll; do
  runtime_dirs+=("$(dirname "$(realpath "$($mingw-g++-posix -print-file-name=$dll)")")")
done
# The DLLs a program or DLL imports that come with Qt or the MinGW runtime,
# and those they import in turn; system DLLs are left to Windows.
declare -A copied=()
deploy_imports() {
  local dll dir
  for dll in $(LC_ALL=C $mingw-objdump -p "$1" | sed -nE 's/^\s*DLL Name: (.*)$/\1/p'); do
    [[ -n ${copied[$dll]:-} ]] && continue
    for dir in "$qt/bin" "${runtime_dirs[@]}"; do
      if [[ -f $dir/$dll ]]; then
        copied[$dll]=1
        cp "$dir/$dll" "$stage/"
        deploy_imports "$dir/$dll"
        break
      fi
    done
  done
}

# Qt gathers the Windows build's programs at the top of the build tree.
cp "$build/sorvane.exe" "$stage/"
# Plugins the program loads: the windows platform and the Windows styles (the
# program asks for windowsvista, which this one holds). No image-format
# plugin: the window icon is a PNG and the About box's picture a BMP, both
# read by Qt itself, and Windows reads the .ico resources in sorvane.exe.
for plugin in platforms/qwindows.dll styles/qmodernwindowsstyle.dll; do
  mkdir -p "$stage/$(dirname "$plugin")"
  cp "$qt/plugins/$plugin" "$stage/$plugin"
done
for binary in "$stage"/sorvane.exe "$stage"/*/*.dll; do
  deploy_imports "$binary"
done
# Beside Qt6Core.dll with no Qt import library next to it, QLibraryInfo takes
# the program's folder for Qt's prefix, so the translations are found there.
mkdir -p "$stage/translations" "$stage/licenses"
cp "$qt/translations/qtbase_ja.qm" "$stage/translations/"
$mingw-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

# The notes in Japanese, generated with Windows line ends from
# tools/windows/README.txt.in, and the licences they name: Qt's (with its
# bundled libraries) and the MinGW runtime's, as Debian records them for the
# packages they were built from.
cp "$build/package-files/README.txt" "$stage/README.txt"
crlf() { sed 's/$/\r/' "$1" >"$2"; }
# Qt reads the windows platform's arguments (the font engine) from qt.conf
# beside the program.
crlf tools/windows/qt.conf "$stage/qt.conf"
crlf /usr/share/common-licenses/LGPL-3 "$stage/licenses/LGPL-3.txt"
crlf /usr/share/common-licenses/GPL-3 "$stage/licenses/GPL-3.txt"
crlf /usr/share/doc/libqt6core6t64/copyright "$stage/licenses/qt6-base.txt"
crlf /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/gcc-mingw-w64.txt"
crlf /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64.txt"

# The same bytes from the same commit: every file and folder stamped with the
# commit's time and given plain modes, whatever the umask, and the members
# stored in one fixed order, without the extra fields that hold owners and
# further times.
stamp=${SOURCE_DATE_EPOCH:-$(date +%s)}
find "$stage" -type d -exec chmod 755 {} +
find "$stage" -type f -exec chmod 644 {} +
find "$stage" -exec touch -h -d "@$stamp" {} +
zip=$(realpath -m "$out/$name.zip")
commit_comment=${SORVANE_COMMIT:+$SORVANE_NAME $SORVANE_RELEASE, commit $SORVANE_COMMIT}
(cd "$out" && find "$name" -type f | LC_ALL=C sort |
  TZ=UTC zip -q -9 -X -D "$zip" -@ &&
  if [[ -n $commit_comment ]]; then echo "$commit_comment" | zip -q -z "$zip"; fi)

# The zip holds this and nothing else.
expected=$(sort <<END
$name/README.txt
$name/qt.conf
$name/sorvane.exe
$name/Qt6Core.dll
$name/Qt6Gui.dll
$name/Qt6Widgets.dll
$name/libgcc_s_seh-1.dll
$name/libstdc++-6.dll
$name/libwinpthread-1.dll
$name/platforms/qwindows.dll
$name/styles/qmodernwindowsstyle.dll
$name/translations/qtbase_ja.qm
$name/licenses/LGPL-3.txt
$name/licenses/GPL-3.txt
$name/licenses/qt6-base.txt
$name/licenses/gcc-mingw-w64.txt
$name/licenses/mingw-w64.txt
END
)
files=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
[[ $files == "$expected" ]] || fail "zip contents differ:"$'\n'"$(diff <(echo "$expected") <(echo "$files"))"
# The Qt inside is the one built here: Qt6Core.dll's version record (its
# strings are UTF-16) names Qt 6.8.
core_version=$(strings -el "$stage/Qt6Core.dll" | grep -A1 -x FileVersion | tail -n 1)
[[ $core_version == 6.8.* ]] || fail "Qt6Core.dll's version record says \"$core_version\", not 6.8"
unzip -l "$zip"

setup=$(realpath -m "$out/$name-setup.exe")
start=$SECONDS
bash tools/windows/make-installer.sh "$stage" "$setup"
echo "installer: $(stat -c %s "$setup") bytes, made in $((SECONDS - start)) s"
echo "$zip"
echo "$setup"
