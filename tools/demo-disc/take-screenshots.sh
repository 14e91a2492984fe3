#!/usr/bin/env bash
# Screenshots of the demo disc from the real player, on a virtual screen: the
# menu, a lesson playing and the close confirmation (menu.png, lesson.png,
# confirm.png). The player goes through the intro and ends after the outro.
#   tools/demo-disc/take-screenshots.sh DEMO_DISC_FOLDER OUT_FOLDER
# (the README's pictures: tools/demo-disc/take-screenshots.sh build/demo-disc docs/screenshots)
# Needs xvfb-run, xdotool and ImageMagick (tools/install-deps.sh installs them).
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  [ $# -eq 2 ] || { echo "usage: $0 DEMO_DISC_FOLDER OUT_FOLDER" >&2; exit 2; }
  disc=$(cd "$1" && pwd)
  mkdir -p "$2"
  out=$(cd "$2" && pwd)
  [ -x "$disc/autorun" ] || { echo "$disc/autorun is missing: build the demo-disc target first" >&2; exit 1; }
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$disc" "$out"
fi

disc=$2
out=$3
# The 800 x 600 window is centred on the 1024 x 768 screen.
ox=112
oy=84
at() { xdotool mousemove $((ox + $1)) $((oy + $2)); }
click() { at "$1" "$2"; sleep 0.2; xdotool click 1; }
shot() { import -window root -crop 800x600+${ox}+${oy} +repage "$out/$1.png"; echo "  $out/$1.png"; }

cd "$disc"
./autorun >/dev/null 2>&1 &
player=$!
trap 'kill $player 2>/dev/null || true' EXIT

sleep 1.5
click 400 300            # skip the intro picture
sleep 2.5
click 400 300            # skip the intro clip: the menu opens
sleep 1.5
at 420 209               # over the first lesson (picture area at 206, 61)
sleep 0.5
shot menu
xdotool click 1          # play it
sleep 3
at 400 545
shot lesson
click 780 16             # close: the confirmation
sleep 1
at 323 349               # over "确定" (the 418 x 265 dialog is centred on the window)
sleep 0.5
shot confirm
xdotool click 1
sleep 2
status=0
wait $player || status=$?
trap - EXIT
echo "player ended with exit status $status"
