#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, as CTest's emulator:
#
#   wine-run.sh QT_BIN_DIR PROGRAM [ARGUMENTS...]
#
# The program finds Qt's DLLs in QT_BIN_DIR and the MinGW runtime DLLs in
# Debian's MinGW tree. It runs in a Wine prefix of its own (SORVANE_WINEPREFIX,
# default ~/.cache/sorvane/wine-tests), made on first use, in which:
#   - QT_QPA_PLATFORM is offscreen: Wine does not pass the QT_* variables of
#     the Linux side through, so the prefix's own environment carries it;
#   - the offscreen platform's font database reads the IPA faces (it reads
#     one font directory, QT_QPA_FONTDIR, and no system fonts on Windows).
set -euo pipefail
qtbin=$1
shift

export WINEPREFIX=${SORVANE_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/sorvane/wine-tests}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs .NET or a web view. No menu builder:
# nothing run here may write menu entries into the Linux user's home.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=};winemenubuilder.exe=d"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

if [[ ! -f $WINEPREFIX/.sorvane-ready ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [[ ! -f $WINEPREFIX/.sorvane-ready ]]; then
    rm -rf "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    fonts=$WINEPREFIX/sorvane-fonts
    mkdir -p "$fonts"
    ln -sf /usr/share/fonts/opentype/ipafont-gothic/*.ttf /usr/share/fonts/opentype/ipafont-mincho/*.ttf "$fonts/"
    wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null 2>&1
    wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(windows_path "$fonts")" /f >/dev/null 2>&1
    wineserver --wait
    touch "$WINEPREFIX/.sorvane-ready"
  fi
  exec 9>&-
fi

runtime() { dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name="$1")")"; }
WINEPATH="$(windows_path "$qtbin");$(windows_path "$(runtime libstdc++-6.dll)");$(windows_path "$(runtime libwinpthread-1.dll)")"
export WINEPATH
exec wine "$@"
