#!/usr/bin/env bash
# Check of the Windows installer under Wine, in the smoke check's prefix:
#
#   installer-check.sh SETUP.exe STAGE
#
# Puts a file of the user's into the install folder, installs silently with
# /S, and checks that the folder holds exactly the staged files (STAGE, the
# zip's contents unpacked) and the uninstaller, that the Start-menu
# shortcut starts sorvane.exe there with its icon, and every value of the
# uninstall key. Runs the smoke check's calculation on the installed program,
# uninstalls silently, and checks that nothing of the program is left: no file
# of it, no shortcut, no key, while the user's file is still there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../fail.sh"
[[ $# -eq 2 ]] || fail "usage: installer-check.sh SETUP.exe STAGE"
setup=$(realpath "$1")
stage=$(realpath "$2")
source "$here/../../build/windows/sorvane_identity.sh"
source "$here/wine-prefix.sh" desktop

work=$(mktemp -d)
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
key="Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$SORVANE_NAME"
{ read -r local_app_data && read -r app_data; } < <(wine cmd /c 'echo %LOCALAPPDATA%&echo %APPDATA%' | tr -d '\r')
dir_w="$local_app_data\\Programs\\$SORVANE_NAME"
dir=$(winepath -u "$dir_w")
dir=${dir%/}
shortcut=$(winepath -u "$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\$SORVANE_TITLE.lnk")
users_file="$dir/メモ.txt"

# What an earlier, interrupted run may have left.
rm -rf "$dir" "$shortcut"
wine reg delete "HKCU\\$key" /f >/dev/null 2>&1 || true
mkdir -p "$dir"
echo "the user's own file" >"$users_file"

start=$SECONDS
wine "$setup" /S || fail "the installer ended with status $?"
echo "installed in $((SECONDS - start)) s"

difference=$(diff -r -x uninstall.exe -x "$(basename "$users_file")" "$stage" "$dir") ||
  fail "the install folder differs from the staged files:"$'\n'"$difference"
[[ -f $dir/uninstall.exe ]] || fail "no uninstall.exe in the install folder"

# The shortcut's target, working folder and icon, as lnkinfo reads them
# (Debian 13's writes each backslash twice, Debian 12's once).
[[ -f $shortcut ]] || fail "no shortcut $shortcut"
exe_w="$dir_w\\$SORVANE_EXECUTABLE.exe"
fields=$(lnkinfo "$shortcut" |
  sed -nE 's/\\\\/\\/g; s/^\t(Local path|Working directory|Icon location)\t+: (.*)$/\1: \2/p')
expected="Local path: $exe_w"$'\n'"Working directory: $dir_w"$'\n'"Icon location: $exe_w"
[[ $fields == "$expected" ]] || fail "the shortcut differs:"$'\n'"$(diff <(echo "$expected") <(echo "$fields"))"

# regedit exports in UTF-16; the values come sorted by name.
export_key() {
  rm -f "$work/key.reg"
  wine regedit /E "$(winepath -w "$work/key.reg")" "HKEY_CURRENT_USER\\$key" >/dev/null 2>&1 || return 0
  [[ -f $work/key.reg ]] || return 0
  iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | sed -n '/^"/p'
}
escaped() { printf '%s' "${1//\\/\\\\}"; }
size_kb=$(find "$stage" -type f -printf '%s\n' | awk '{ s += $1 } END { printf "%08x", int((s + 1023) / 1024) }')
uninstaller="\\\"$(escaped "$dir_w\\uninstall.exe")\\\""
expected=$(
  cat <<END
"DisplayIcon"="$(escaped "$exe_w"),0"
"DisplayName"="$SORVANE_TITLE"
"DisplayVersion"="$SORVANE_RELEASE"
"EstimatedSize"=dword:$size_kb
"InstallLocation"="$(escaped "$dir_w")"
"NoModify"=dword:00000001
"NoRepair"=dword:00000001
"Publisher"="$SORVANE_PUBLISHER"
"QuietUninstallString"="$uninstaller /S"
"UninstallString"="$uninstaller"
"URLInfoAbout"="$SORVANE_HOME_PAGE"
END
)
values=$(export_key)
[[ $values == "$expected" ]] || fail "the uninstall key differs:"$'\n'"$(diff <(echo "$expected") <(echo "$values"))"

# Wine has run without a display so far; the smoke check's Xvfb needs a Wine
# started afresh, or its window opens on no screen.
wineserver -k 2>/dev/null || true
bash "$here/smoke.sh" "$dir/$SORVANE_EXECUTABLE.exe"

start=$SECONDS
wine "$dir/uninstall.exe" /S || fail "the uninstaller ended with status $?"
# The uninstaller runs from a copy of itself, which the one started does not
# wait for.
wineserver --wait
echo "uninstalled in $((SECONDS - start)) s"

left=$(find "$dir" -mindepth 1 -printf '%P\n' 2>/dev/null | sort) || true
[[ $left == "$(basename "$users_file")" ]] ||
  fail "the install folder should hold only the user's file, it holds:"$'\n'"$left"
[[ ! -e $shortcut ]] || fail "the shortcut is left: $shortcut"
values=$(export_key)
[[ -z $values ]] || fail "the uninstall key is left:"$'\n'"$values"
rm -rf "$dir"
echo "installer ok: installed, shortcut and uninstall key as listed, calculated, uninstalled, nothing left"
