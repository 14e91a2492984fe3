#!/usr/bin/env bash
# End to end on the demo disc, on a virtual X screen with a window manager
# (openbox): the player is driven with the mouse and the keyboard (xdotool),
# what it shows is read back from screenshots and its windows' titles and
# places from the X server. The intro plays and hands over, the window is
# dragged by its background (and stops following the pointer when the button
# is up), a menu item switches the page, a lesson plays in the video area, the
# seek bar seeks, full screen goes on and off (back where the window was
# dragged to), stop returns to the menu, close asks, OK plays the outro, and
# the program ends by itself. Then a disc whose intro clip is missing: the
# start-up message is answered with Enter, and once more with Esc, and the
# player ends after it each time.
#   demo-end-to-end.sh PATH_TO_MAKE_DEMO_DISC PATH_TO_AUTORUN [iso]
# With "iso" the same road runs on an ISO image of the demo disc (Joliet and
# Rock Ridge, made by xorriso) given to the player as its argument; the image
# must be unchanged afterwards.
# Exit status 77 (skipped) when xvfb-run, openbox, xdotool, xprop, ImageMagick
# or ffmpeg is missing.
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  [ $# -eq 2 ] || [ $# -eq 3 ] || { echo "usage: $0 MAKE_DEMO_DISC AUTORUN [iso]" >&2; exit 2; }
  tools="xvfb-run openbox xdotool xprop import convert ffmpeg"
  [ "${3:-}" = iso ] && tools="$tools xorriso sha256sum"
  for tool in $tools; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  "$1" "$work/disc" >"$work/make.log" 2>&1 || { cat "$work/make.log"; exit 1; }
  if [ "${3:-}" = iso ]; then
    xorriso -as mkisofs -quiet -J -joliet-long -R -o "$work/disc.iso" "$work/disc" >"$work/iso.log" 2>&1 ||
      { cat "$work/iso.log"; exit 1; }
    sha256sum "$work/disc.iso" >"$work/disc.iso.sha256"
  fi
  cp "$2" "$work/disc/autorun"
  status=0
  xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$work" || status=$?
  if [ "$status" -ne 0 ]; then
    for log in player missing openbox; do
      [ -s "$work/$log.log" ] && { echo "--- $log output"; grep -v '^ALSA' "$work/$log.log" || true; }
    done
  fi
  exit "$status"
fi

work=$2
# Titles of the player's windows, as the window manager reads them. The intro
# window and the confirmation dialog have no caption of their own: they carry
# the product title, as the message boxes do.
main_title="多媒体教学光盘"
intro_title="$main_title"
confirm_title="$main_title"
error_title="错误"

ox=0     # the main window's top-left corner on the screen, read from the
oy=0     # X server (the window manager places it, and it is dragged)
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
      echo "FAIL: $what (after ${seconds}s: $last)"
      cp "$shot" "${SCREENSHOT_ON_FAILURE:-/tmp/demo-end-to-end-failure.png}" 2>/dev/null || true
      ps -o pid,args -C autorun,openbox || true
      exit 1
    fi
    sleep 0.2
  done
}

# Centre x of the bouncing ball in the video area of the last screenshot,
# from one row it always crosses; -1 when it is not there.
ball_x() {
  convert "$shot" -crop "528x1+$((ox + px))+$((oy + py + 322))" -depth 8 txt:- | tail -n +2 |
    sed -E 's/^([0-9]+),.*srgba?\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3 \4/' |
    awk '$2 > 225 && $3 > 110 && $3 < 235 && $4 < 140 { s += $1; n++ } END { print n ? int(s / n) : -1 }'
}

# player_window W H: the visible player window of that size; sets win, wx, wy.
player_window() {
  local id X Y WIDTH HEIGHT SCREEN WINDOW
  for id in $(xdotool search --onlyvisible --class autorun 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
    if [ "${WIDTH:-0}" -eq "$1" ] && [ "${HEIGHT:-0}" -eq "$2" ]; then
      win=$id wx=$X wy=$Y
      last="window $id at $X,$Y"
      return 0
    fi
  done
  last="no visible $1 x $2 window"
  return 1
}
# any_player_window: the first visible window of the player; sets win.
any_player_window() {
  win=$(xdotool search --onlyvisible --class autorun 2>/dev/null | head -1)
  last="no visible window"
  [ -n "$win" ]
}
# active_is WINDOW: the window manager gave WINDOW the keyboard focus.
active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# main_window_at X Y: the 800 x 600 main window stands at X, Y.
main_window_at() { player_window 800 600 && [ "$wx" -eq "$1" ] && [ "$wy" -eq "$2" ]; }
# Reads the main window's place into ox, oy.
find_main_window() {
  wait_for "the main window is shown" 20 player_window 800 600
  ox=$wx oy=$wy
}

# expect_title WHAT WINDOW TITLE: the window's title is exactly TITLE.
expect_title() {
  local title
  title=$(LC_ALL=C.UTF-8 xprop -id "$2" _NET_WM_NAME | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')
  if [ "$title" != "$3" ]; then echo "FAIL: the title of $1 is \"$title\", not \"$3\""; exit 1; fi
  echo "ok: the title of $1 is \"$3\""
}

# wait_gone PID SECONDS: the process ends within SECONDS; its exit status is 0.
wait_gone() {
  local end=$((SECONDS + $2)) status=0
  while kill -0 "$1" 2>/dev/null; do
    if [ $SECONDS -ge $end ]; then echo "FAIL: the player did not end"; exit 1; fi
    sleep 0.2
  done
  wait "$1" || status=$?
  [ "$status" -eq 0 ] || { echo "FAIL: the player ended with exit status $status"; exit 1; }
}

# The window manager, up before the player starts.
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 1 100); do wm_up && break; sleep 0.1; done
wm_up || { echo "FAIL: openbox did not start"; exit 1; }
echo "ok: openbox runs"

cd "$work/disc"
if [ -f "$work/disc.iso" ]; then
  ./autorun "$work/disc.iso" >"$work/player.log" 2>&1 &
else
  ./autorun >"$work/player.log" 2>&1 &
fi
player=$!
trap 'kill $player 2>/dev/null || true' EXIT

# Intro: the picture, then (a press skips) the clip, then the menu.
find_main_window  # the intro window, the size of the main window
expect_title "the intro window" "$win" "$intro_title"
wait_for "intro picture" 20 pixel blue $((ox + 400)) $((oy + 560))
click 400 300
sleep 0.8
click 400 300
wait_for "menu page 1 after the intro" 20 menu_page blue
find_main_window
expect_title "the main window" "$win" "$main_title"

# A drag by the bare background (right of the picture area): press, move,
# release. The window follows the pointer while the button is down, and not
# after: later moves leave it where it is.
xdotool mousemove $((ox + 770)) $((oy + 250))
sleep 0.15
xdotool mousedown 1
step=0
# moving_away: one more small step of the pointer; the window has left its place.
moving_away() {
  step=$((step + 1))
  xdotool mousemove $((ox + 770 - 4 * step)) $((oy + 250 + 3 * step))
  player_window 800 600 && ! main_window_at "$ox" "$oy"
}
wait_for "the window starts to follow the pointer" 10 moving_away
# steady: the window stands still, and where the pointer holds it is known.
steady() {
  local x=$wx y=$wy
  player_window 800 600 && [ "$wx" -eq "$x" ] && [ "$wy" -eq "$y" ] || return 1
  eval "$(xdotool getmouselocation --shell)"
  hold_x=$((X - wx)) hold_y=$((Y - wy))
}
wait_for "the window follows to where the pointer stopped" 5 steady
to_x=$((X - 70)) to_y=$((Y + 40))
jiggle=0
# follows: the pointer holds the window at the same place as before.
follows() {
  jiggle=$((1 - jiggle))
  xdotool mousemove "$to_x" $((to_y + jiggle))
  player_window 800 600 || return 1
  local dx=$((wx + hold_x - to_x)) dy=$((wy + hold_y - to_y))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}
wait_for "the window follows the dragging pointer" 10 follows
xdotool mouseup 1
player_window 800 600 || { echo "FAIL: the main window is gone after the drag"; exit 1; }
dragged_x=$wx dragged_y=$wy
for step in $(seq 1 10); do
  xdotool mousemove $((to_x + 9 * step)) $((to_y + 6 * step))
  sleep 0.1
  main_window_at "$dragged_x" "$dragged_y" || { echo "FAIL: the window follows the pointer after the release ($last, dragged to $dragged_x,$dragged_y)"; exit 1; }
done
echo "ok: the window stays at $dragged_x,$dragged_y after the release"
ox=$dragged_x oy=$dragged_y

# A menu item switches the page, and back.
click $((px + 292)) $((py + 340))
wait_for "menu page 2" 10 menu_page green
click $((px + 454)) $((py + 34))
wait_for "menu page 1 again" 10 menu_page blue

# A lesson plays in the video area.
click $((px + 214)) $((py + 148))
wait_for "lesson 1 in the video area" 15 pixel reddish $(in_picture 264 60)

# The seek bar seeks, forward and back. The lesson is paused at once, and
# again right after each press on the seek bar (which plays on from where it
# takes the lesson): where the ball then stands tells, however slow the
# machine, and the six-second lesson cannot end while full screen goes on and
# off.
held=-1
# still: the ball stands where it stood at the last look; held is its place.
still() {
  local x
  x=$(ball_x)
  last="ball at x=$x, before at x=$held"
  [ "$x" -ge 0 ] && [ "$x" -eq "$held" ] && return 0
  held=$x
  return 1
}
# seek_and_pause X: a press on the seek bar at X, then on pause; sets held.
seek_and_pause() {
  [ -n "$1" ] && click "$1" 507
  click 100 560
  held=-1
  wait_for "the lesson pauses${1:+ after a press on the seek bar at $1}" 15 still
}
seek_and_pause ""
seek_and_pause 470
forward=$held
seek_and_pause 212
back=$held
# The ball crosses the 528-pixel picture in six seconds; half way along the
# seek bar it stands near the middle, at its start near the left edge (each
# with the little way it rolls before the pause lands).
echo "the seek bar took the ball to x=$forward and back to x=$back"
if [ "$forward" -lt 200 ] || [ "$forward" -gt 480 ] || [ "$back" -gt 160 ]; then
  echo "FAIL: the seek bar did not move the lesson"; exit 1
fi

# Full screen on (double click on the video) and off (Esc).
move $((px + 264)) $((py + 100))
xdotool click --repeat 2 --delay 80 1
# (Without a window manager the window keeps its size; either way the video
# then covers the whole window, the left panel included.)
wait_for "full screen" 10 pixel reddish $((ox + 10)) $((oy + 300))
xdotool key Escape
wait_for "back where the window was dragged to" 10 main_window_at "$ox" "$oy"
wait_for "back in the window" 10 not_reddish $((ox + 10)) $((oy + 300))
wait_for "the lesson still in the video area" 5 pixel reddish $(in_picture 264 60)

# Stop returns to the menu.
click 180 559
wait_for "menu after stop" 10 menu_page blue

# Close asks; OK plays the outro; the program ends by itself.
click 780 16
wait_for "the confirmation" 10 pixel dark_blue $((ox + 391)) $((oy + 187))
player_window 418 265 || { echo "FAIL: the confirmation is not a 418 x 265 window"; exit 1; }
expect_title "the confirmation" "$win" "$confirm_title"
click 323 349
# The outro window is placed anew, centred.
outro_shows() { player_window 800 600 && pixel orange $((wx + 400)) $((wy + 150)); }
wait_for "the outro" 15 outro_shows
wait_gone $player 20
trap - EXIT
echo "ok: the player ended after the outro"

if [ -f "$work/disc.iso" ]; then
  sha256sum --status -c "$work/disc.iso.sha256" || { echo "FAIL: the image changed"; exit 1; }
  echo "ok: the image is unchanged"
  exit 0
fi

# A disc whose intro clip is missing: the start-up message names it, under the
# title "错误"; Enter answers it, and Esc too; the player ends after it.
cp -r "$work/disc" "$work/missing-disc"
find "$work/missing-disc" -name '片头.wmv' -delete
for key in Return Escape; do
  (cd "$work/missing-disc" && exec ./autorun) >"$work/missing.log" 2>&1 &
  player=$!
  trap 'kill $player 2>/dev/null || true' EXIT
  wait_for "the missing-file message" 20 any_player_window
  expect_title "the message box" "$win" "$error_title"
  grep -q "未找到文件" "$work/missing.log" || { echo "FAIL: the message does not say 未找到文件"; exit 1; }
  xdotool windowactivate "$win" 2>/dev/null || true
  wait_for "the message box has the keyboard" 10 active_is "$win"
  xdotool key "$key"
  wait_gone $player 10
  trap - EXIT
  echo "ok: $key answered the message and the player ended"
done
