#!/usr/bin/env bash
# End to end on the demo disc, on a virtual X screen: the player is driven with
# the mouse and the keyboard (xdotool) and what it shows is read back from
# screenshots. The intro plays and hands over, a menu item switches the page,
# a lesson plays in the video area, the seek bar seeks, full screen goes on
# and off, stop returns to the menu, close asks, OK plays the outro, and the
# program ends by itself.
#   demo-end-to-end.sh PATH_TO_MAKE_DEMO_DISC PATH_TO_AUTORUN
# Exit status 77 (skipped) when xvfb-run, xdotool, ImageMagick or ffmpeg is missing.
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  [ $# -eq 2 ] || { echo "usage: $0 MAKE_DEMO_DISC AUTORUN" >&2; exit 2; }
  for tool in xvfb-run xdotool import convert ffmpeg; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  "$1" "$work/disc" >"$work/make.log" 2>&1 || { cat "$work/make.log"; exit 1; }
  cp "$2" "$work/disc/autorun"
  status=0
  xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$work" || status=$?
  [ "$status" -eq 0 ] || { echo "--- player output"; grep -v '^ALSA' "$work/player.log" || true; }
  exit "$status"
fi

work=$2
ox=112   # the 800 x 600 window is centred on the 1024 x 768 screen
oy=84
px=206   # its picture area, 528 x 432
py=61
shot="$work/screen.png"

move() { xdotool mousemove $((ox + $1)) $((oy + $2)); }
click() { move "$1" "$2"; sleep 0.15; xdotool click 1; }

# "r g b" of a screen pixel in the last screenshot.
rgb_at() {
  local hex
  hex=$(convert "$shot" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -1)
  echo $((16#${hex:1:2})) $((16#${hex:3:2})) $((16#${hex:5:2}))
}
# Colour tests on "r g b".
blue() { [ "$3" -gt $(($1 + 60)) ]; }
green() { [ "$2" -gt $(($1 + 40)) ] && [ "$2" -gt "$3" ]; }
reddish() { [ "$1" -gt $(($2 + 60)) ] && [ "$1" -gt $(($3 + 40)) ]; }
orange() { [ "$1" -gt 180 ] && [ "$1" -gt $(($3 + 80)) ]; }
black() { [ "$1" -lt 16 ] && [ "$2" -lt 16 ] && [ "$3" -lt 16 ]; }
white() { [ "$1" -gt 235 ] && [ "$2" -gt 235 ] && [ "$3" -gt 235 ]; }
dark_blue() { [ "$3" -gt 110 ] && [ "$1" -lt 90 ]; }

# pixel TEST X Y: the screen pixel at (X, Y) of the last screenshot passes TEST.
pixel() {
  local colour
  colour=$(rgb_at "$2" "$3")
  last="$2,$3 is $colour"
  # shellcheck disable=SC2086
  $1 $colour
}
# The screen position of the picture area's pixel (x, y).
in_picture() { echo $((ox + px + $1)) $((oy + py + $2)); }
not_reddish() { ! pixel reddish "$@"; }
# A menu page: its heading band passes TEST and its body is white.
menu_page() { pixel "$1" $(in_picture 20 20) && pixel white $(in_picture 20 200); }

# wait_for WHAT SECONDS CHECK...: screenshots until CHECK passes.
wait_for() {
  local what=$1 seconds=$2
  shift 2
  local end=$((SECONDS + seconds))
  last=""
  while :; do
    import -window root "$shot"
    if "$@"; then echo "ok: $what"; return 0; fi
    if [ $SECONDS -ge $end ]; then
      echo "FAIL: $what (after ${seconds}s: pixel $last)"
      cp "$shot" "${SCREENSHOT_ON_FAILURE:-/tmp/demo-end-to-end-failure.png}" 2>/dev/null || true
      exit 1
    fi
    sleep 0.2
  done
}

# Centre x of the bouncing ball in the video area, from one row it always
# crosses; -1 when it is not there.
ball_x() {
  import -window root "$shot"
  convert "$shot" -crop "528x1+$((ox + px))+$((oy + py + 322))" -depth 8 txt:- | tail -n +2 |
    sed -E 's/^([0-9]+),.*srgba?\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3 \4/' |
    awk '$2 > 225 && $3 > 110 && $3 < 235 && $4 < 140 { s += $1; n++ } END { print n ? int(s / n) : -1 }'
}

cd "$work/disc"
./autorun >"$work/player.log" 2>&1 &
player=$!
trap 'kill $player 2>/dev/null || true' EXIT

# Intro: the picture, then (a press skips) the clip, then the menu.
wait_for "intro picture" 20 pixel blue $((ox + 400)) $((oy + 560))
click 400 300
sleep 0.8
click 400 300
wait_for "menu page 1 after the intro" 20 menu_page blue

# A menu item switches the page, and back.
click $((px + 292)) $((py + 340))
wait_for "menu page 2" 10 menu_page green
click $((px + 454)) $((py + 34))
wait_for "menu page 1 again" 10 menu_page blue

# A lesson plays in the video area.
click $((px + 214)) $((py + 148))
wait_for "lesson 1 in the video area" 15 pixel reddish $(in_picture 264 60)

# The seek bar seeks: back to the start once the ball has rolled a little way.
before=-1
for _ in $(seq 1 40); do
  before=$(ball_x)
  [ "$before" -ge 120 ] && break
  sleep 0.1
done
click $((200 + 12)) 507
sleep 0.3
after=$(ball_x)
echo "ball before the seek at x=$before, after at x=$after"
if [ "$before" -lt 120 ] || [ "$after" -lt 0 ] || [ "$after" -ge $((before - 40)) ]; then
  echo "FAIL: the seek bar did not move the clip back"; exit 1
fi

# Full screen on (double click on the video) and off (Esc).
move $((px + 264)) $((py + 100))
xdotool click --repeat 2 --delay 80 1
# (Without a window manager the window keeps its size; either way the video
# then covers the whole window, the left panel included.)
wait_for "full screen" 10 pixel reddish $((ox + 10)) $((oy + 300))
xdotool key Escape
wait_for "back in the window" 10 not_reddish $((ox + 10)) $((oy + 300))
wait_for "the lesson still in the video area" 5 pixel reddish $(in_picture 264 60)

# Stop returns to the menu.
click 180 559
wait_for "menu after stop" 10 menu_page blue

# Close asks; OK plays the outro; the program ends by itself.
click 780 16
wait_for "the confirmation" 10 pixel dark_blue $((ox + 391)) $((oy + 187))
click 323 349
wait_for "the outro" 15 pixel orange $((ox + 400)) $((oy + 150))
for _ in $(seq 1 100); do
  kill -0 $player 2>/dev/null || break
  sleep 0.2
done
if kill -0 $player 2>/dev/null; then echo "FAIL: the player did not end after the outro"; exit 1; fi
status=0
wait $player || status=$?
trap - EXIT
[ "$status" -eq 0 ] || { echo "FAIL: the player ended with exit status $status"; exit 1; }
echo "ok: the player ended after the outro"
