#!/usr/bin/env bash
# Smoke check of the Windows package under Wine, in Xvfb, on the windows
# platform plugin: unpacks the zip (or takes sorvane.exe where it is, as the
# installer put it), starts sorvane.exe from there, waits for the
# window titled "Ｓｏｒｖａｎｅ", types the example 185, 50, 10, 12.5, 45 with
# Enter after each (the Enter chain ends on "計　算", which Enter presses), and
# closes the window with Alt+F4. Fails if the window never appears, if another
# window (a message box) opens, if no result is written into the result box, or
# if the program does not end.
#
#   smoke.sh ZIP|SORVANE.EXE [SCREENSHOT.png | FOLDER/]
#
# With a second argument it saves the window after the calculation there.
# Given a folder (ending in /), it saves three pictures into it, to set a new
# Qt's look beside the old one's: breathing-rate.png (the window after the
# calculation), enriched-air.png (the other tab, shown with Ctrl+PgDown) and
# about.png (the About box, opened from the menu "ファイル" → "ヘルプ" and
# closed with Esc).
# It runs in the Wine prefix "desktop" of wine-prefix.sh.
set -euo pipefail
source "$(dirname "$0")/../fail.sh"
[[ $# -ge 1 ]] || fail "usage: smoke.sh ZIP|SORVANE.EXE [SCREENSHOT.png | FOLDER/]"
if [[ -z ${SORVANE_SMOKE_DISPLAY:-} ]]; then
  exec env SORVANE_SMOKE_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
package=$(realpath "$1")
shot=${2:+$(realpath -m "$2")}
pictures=
if [[ ${2:-} == */ ]]; then
  pictures=$shot
  shot=$pictures/breathing-rate.png
  mkdir -p "$pictures"
fi

source "$(dirname "$0")/wine-prefix.sh" desktop

work=$(mktemp -d)
pid=
cleanup() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
if [[ $package == *.zip ]]; then
  unzip -q "$package" -d "$work"
  exe=$(find "$work" -name sorvane.exe -print -quit)
else
  exe=$package
fi
[[ -n $exe && -f $exe ]] || fail "no sorvane.exe in $package"

(cd "$(dirname "$exe")" && exec wine sorvane.exe) &
pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Ｓｏｒｖａｎｅ$' | head -n 1) ||
  fail "no window titled Ｓｏｒｖａｎｅ within 120 s"
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y, $WIDTH x $HEIGHT"
# The inside of the result box "毎分呼吸量" (Label7 at 232,80, 49 x 25 pixels
# on the tab control, below the menu bar): its pixels before and after.
menu=$((HEIGHT - 235))
result() { import -window root -crop "43x19+$((X + 235))+$((Y + menu + 83))" txt:- | tail -n +2 | md5sum; }
# Without a window manager Wine activates a window when it is clicked: a click
# into the first box (Text1 at 152,56, 49 x 25), once the program has settled.
sleep 3
xdotool windowfocus --sync "$window"
xdotool mousemove "$((X + 176))" "$((Y + menu + 68))" click 1
sleep 1
empty=$(result)
for value in 185 50 10 12.5 45; do
  xdotool type --delay 40 "$value"
  xdotool key Return
done
# The focus is on "計　算" now: Enter presses it.
xdotool key Return
sleep 2
visible=$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$window" || true)
for other in $visible; do
  name=$(xdotool getwindowname "$other" 2>/dev/null || true)
  [[ -z $name ]] || fail "another window opened: \"$name\""
done
[[ $(result) != "$empty" ]] || fail "nothing was written into the result box"
if [[ -n $shot ]]; then
  import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$shot"
  echo "saved $shot"
fi
if [[ -n $pictures ]]; then
  xdotool key ctrl+Next
  sleep 2
  import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$pictures/enriched-air.png"
  echo "saved $pictures/enriched-air.png"
  xdotool key ctrl+Prior
  # "ファイル" is the menu bar's first entry; Down and Enter take its first
  # item, "ヘルプ".
  xdotool mousemove "$((X + 20))" "$((Y + 8))" click 1
  sleep 1
  xdotool key Down Return
  about=$(timeout 30 xdotool search --sync --onlyvisible --name '^ﾊﾞｰｼﾞｮﾝ情報$' | head -n 1) ||
    fail "no About box within 30 s"
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$about" | sed 's/^/ABOUT_/')"
  import -window root -crop "${ABOUT_WIDTH}x$ABOUT_HEIGHT+$ABOUT_X+$ABOUT_Y" +repage "$pictures/about.png"
  echo "saved $pictures/about.png"
  xdotool key Escape
  sleep 1
fi
xdotool windowfocus --sync "$window"
xdotool key alt+F4
for _ in $(seq 60); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$pid" 2>/dev/null; then
  fail "sorvane.exe still running 30 s after its window was closed"
fi
status=0
wait "$pid" || status=$?
pid=
[[ $status -eq 0 ]] || fail "sorvane.exe ended with status $status"
echo "smoke ok: window shown, example typed, calculated, closed"
