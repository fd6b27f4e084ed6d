#!/usr/bin/env bash
# Builds the installer from the folder staged for the zip (build.sh calls it):
#
#   make-installer.sh STAGE SETUP.exe
#
# Lists the staged files for installer.nsi, the File lines for the installer
# and the Delete and RMDir lines for its uninstaller, so that the uninstaller
# removes exactly what the installer wrote; joins the notices of licenses/
# into the one text the licence page shows; and runs makensis.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
stage=$(realpath "$1")
setup=$(realpath -m "$2")
build=$root/${SORVANE_WINDOWS_BUILD:-build/windows}
source "$build/sorvane_identity.sh"
work=$build/installer
rm -rf "$work"
mkdir -p "$work"

windows() { printf '%s' "${1//\//\\}"; }
cd "$stage"
# In byte order whatever the locale, as the zip's members are: the installer's
# bytes follow the order of its files.
{
  # Deepest folders last, so each SetOutPath is followed by its own files.
  find . -type d | LC_ALL=C sort | while read -r dir; do
    dir=${dir#.}
    echo "SetOutPath \"\$INSTDIR$(windows "$dir")\""
    find ".$dir" -maxdepth 1 -type f | LC_ALL=C sort | while read -r file; do
      echo "File \"$stage/${file#./}\""
    done
  done
} >"$work/files.nsh"
{
  find . -type f | LC_ALL=C sort | while read -r file; do
    echo "Delete \"\$INSTDIR\\$(windows "${file#./}")\""
  done
  # Folders only when empty, deepest first: never RMDir /r.
  find . -mindepth 1 -type d | LC_ALL=C sort -r | while read -r dir; do
    echo "RMDir \"\$INSTDIR\\$(windows "${dir#./}")\""
  done
} >"$work/unfiles.nsh"
bytes=$(find . -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
size_kb=$(((bytes + 1023) / 1024))

# The licence page: the README's licence notes, then each notice in full.
{
  printf '\xef\xbb\xbf'
  sed -n '/^■ ライセンス/,$p' README.txt
  for notice in licenses/*.txt; do
    printf '\r\n\r\n==== %s ====\r\n\r\n' "$(windows "$notice")"
    cat "$notice"
  done
} >"$work/licenses.txt"

cd "$root"
# makensis reads the definitions' values in the locale's character set.
LANG=C.UTF-8 nice -n 10 makensis -V2 -INPUTCHARSET UTF8 \
  "-DNAME=$SORVANE_NAME" "-DTITLE=$SORVANE_TITLE" "-DEXECUTABLE=$SORVANE_EXECUTABLE" \
  "-DRELEASE=$SORVANE_RELEASE" "-DVERSION=$SORVANE_VERSION" "-DPUBLISHER=$SORVANE_PUBLISHER" \
  "-DCOPYRIGHT=$SORVANE_COPYRIGHT" "-DHOME_PAGE=$SORVANE_HOME_PAGE" \
  "-DICON=$root/app/sorvane.ico" "-DLICENSE=$work/licenses.txt" \
  "-DFILES=$work/files.nsh" "-DUNFILES=$work/unfiles.nsh" "-DSIZE_KB=$size_kb" \
  "-DCOMMIT=$SORVANE_COMMIT" "-DOUTFILE=$setup" tools/windows/installer.nsi
