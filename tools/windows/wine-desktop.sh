# shellcheck shell=bash
# The Wine prefix the checks on the windows platform plugin share (smoke.sh,
# installer-check.sh), sourced by them: sets WINEPREFIX and the rest of Wine's
# environment, and makes the prefix on first use. The prefix
# (SORVANE_DESKTOP_WINEPREFIX, default ~/.cache/sorvane/wine-desktop) maps the
# layout's faces to the IPA faces (FontSubstitutes), so the labels have about
# the widths they have on Windows, and has Wine's visual theme off.
export LANG=C.UTF-8
export WINEPREFIX=${SORVANE_DESKTOP_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/sorvane/wine-desktop}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs .NET or a web view. No menu builder:
# a shortcut made in the prefix must not become a menu entry in the Linux
# user's home.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=};winemenubuilder.exe=d"
if [[ ! -f $WINEPREFIX/.sorvane-ready ]]; then
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot --init >/dev/null 2>&1
  reg=$WINEPREFIX/sorvane-fonts.reg
  # regedit reads UTF-16 with a byte-order mark; the face names are not ASCII.
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ 明朝"="IPAMincho"' \
    '"MS PGothic"="IPAPGothic"' '"MS Mincho"="IPAMincho"' |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
  # Wine's bundled visual theme lacks the tab parts the Windows Vista style
  # draws tab headers with; with themes off the style draws them itself.
  wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
    /v ThemeActive /d 0 /f >/dev/null 2>&1
  wineserver --wait
  touch "$WINEPREFIX/.sorvane-ready"
fi
