# shellcheck shell=bash
# The Wine prefixes the Windows checks run in, sourced with the prefix's name:
#
#   source wine-prefix.sh tests|desktop
#
# Sets WINEPREFIX (~/.cache/sorvane/wine-NAME) and the rest of Wine's
# environment, and makes the prefix on first use, one maker at a time (CTest
# starts several tests at once).
#
# - tests, CTest's (wine-run.sh): Wine does not pass the QT_* variables of the
#   Linux side through, so the prefix's own environment has QT_QPA_PLATFORM
#   offscreen, and QT_QPA_FONTDIR points the offscreen platform's font
#   database at the IPA faces (on Windows it reads that one folder and no
#   system fonts).
# - desktop, the checks on the windows platform plugin (smoke.sh,
#   installer-check.sh): the layout's faces map to the IPA faces
#   (FontSubstitutes), so the labels have about the widths they have on
#   Windows, and Wine's visual theme is off.
export LANG=C.UTF-8
export WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/sorvane/wine-$1
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs .NET or a web view. No menu builder: a
# shortcut made in a prefix must not become a menu entry in the Linux user's
# home.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=};winemenubuilder.exe=d"
# A Linux path as Wine's drive Z: names it, without starting Wine.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

make_tests_prefix() {
  local fonts=$WINEPREFIX/sorvane-fonts
  mkdir -p "$fonts"
  ln -sf /usr/share/fonts/opentype/ipafont-gothic/*.ttf /usr/share/fonts/opentype/ipafont-mincho/*.ttf "$fonts/"
  wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null 2>&1
  wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(windows_path "$fonts")" /f >/dev/null 2>&1
}

make_desktop_prefix() {
  local reg=$WINEPREFIX/sorvane-fonts.reg
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
}

if [[ ! -f $WINEPREFIX/.sorvane-ready ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [[ ! -f $WINEPREFIX/.sorvane-ready ]]; then
    rm -rf "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    "make_$1_prefix"
    wineserver --wait
    touch "$WINEPREFIX/.sorvane-ready"
  fi
  exec 9>&-
fi
