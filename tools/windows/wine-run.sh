#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, as CTest's emulator:
#
#   wine-run.sh QT_BIN_DIR PROGRAM [ARGUMENTS...]
#
# The program finds Qt's DLLs in QT_BIN_DIR and the MinGW runtime DLLs in
# Debian's MinGW tree. It runs in the Wine prefix "tests" of wine-prefix.sh,
# on the offscreen platform with the IPA faces.
set -euo pipefail
qtbin=$1
shift
source "$(dirname "$0")/wine-prefix.sh" tests

runtime() { dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name="$1")")"; }
WINEPATH="$(windows_path "$qtbin");$(windows_path "$(runtime libstdc++-6.dll)");$(windows_path "$(runtime libwinpthread-1.dll)")"
export WINEPATH
exec wine "$@"
