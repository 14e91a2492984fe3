#!/usr/bin/env bash
# Whole-process CPU (user + sys seconds) for playing one clip: the player's
# media framework into a video widget, against mpv's own X11 output (the peer:
# decoding, converting and showing in software) and mpv decoding alone (the
# floor). Pairs run in turn, round after round, under one Xvfb.
#
#   bench/media/run.sh BUILD_DIR [ROUNDS]
#
# BUILD_DIR must hold bench/media/media_play (configure with
# -DAUTORUN_BUILD_BENCH=ON and build the media_play target).
set -euo pipefail
build=${1:?usage: run.sh BUILD_DIR [ROUNDS]}
rounds=${2:-3}
play="$build/bench/media/media_play"
[ -x "$play" ] || { echo "no $play: build the media_play target" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

clip="$work/lesson.mpg"
ffmpeg -v error -y -f lavfi -i "testsrc2=s=640x480:r=25:d=10" -f lavfi -i "sine=f=440:sample_rate=44100:d=10" \
    -c:v mpeg1video -b:v 1800k -g 15 -c:a mp2 -b:a 192k -f mpeg "$clip"

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb

# CPU seconds (user + sys) of a command and all its children.
cpu() {
    local line
    line=$( ( "$@" >/dev/null 2>&1 || echo "failed: $*" >&2; times ) | tail -1)
    # "XmY.YYYs XmZ.ZZZs": children's user and system time.
    echo "$line" | awk '{ split($1, u, /[ms]/); split($2, s, /[ms]/); printf "%.2f", u[1]*60 + u[2] + s[1]*60 + s[2] }'
}

declare -A cmd=(
    [ours-natural]="$play $clip natural"
    [peer-x11-natural]="mpv --no-config --vo=x11 --ao=null $clip"
    [floor-null]="mpv --no-config --vo=null --ao=null $clip"
    [ours-528]="$play $clip 528x432"
    [ours-528-smooth]="$play $clip 528x432 smooth"
    [peer-x11-528]="mpv --no-config --vo=x11 --ao=null --geometry=528x432+0+0 --no-keepaspect-window $clip"
    [ours-1080]="$play $clip 1920x1080"
    [ours-1080-source]="$play $clip 1920x1080 source"
    [ours-1080-nearest]="$play $clip 1920x1080 painter"
    [peer-x11-1080]="mpv --no-config --vo=x11 --ao=null --geometry=1920x1080+0+0 --no-keepaspect-window $clip"
)
order=(ours-natural peer-x11-natural floor-null ours-528 ours-528-smooth peer-x11-528 ours-1080 ours-1080-source
    ours-1080-nearest peer-x11-1080)
declare -A total
for name in "${order[@]}"; do total[$name]=0; done

for round in $(seq 1 "$rounds"); do
    for name in "${order[@]}"; do
        # shellcheck disable=SC2086
        t=$(cpu ${cmd[$name]})
        total[$name]=$(awk -v a="${total[$name]}" -v b="$t" 'BEGIN { printf "%.2f", a + b }')
        echo "round $round  $name  $t s"
    done
done

echo
echo "mean CPU seconds over $rounds rounds (10 s 640x480 25 fps MPEG-1 with MP2 sound):"
for name in "${order[@]}"; do
    awk -v n="$name" -v t="${total[$name]}" -v r="$rounds" 'BEGIN { printf "  %-18s %6.2f\n", n, t / r }'
done
mean() { awk -v t="${total[$1]}" -v r="$rounds" 'BEGIN { print t / r }'; }
ratio() { awk -v a="$(mean "$1")" -v b="$(mean "$2")" 'BEGIN { printf "%.2f", a / b }'; }
echo "ratios:"
echo "  ours-natural / peer-x11-natural     $(ratio ours-natural peer-x11-natural)   (target <= 1.2)"
echo "  ours-natural / floor-null           $(ratio ours-natural floor-null)"
echo "  ours-528 / peer-x11-528             $(ratio ours-528 peer-x11-528)   (the default: drawn at 528 x 432)"
echo "  ours-528-smooth / peer-x11-528      $(ratio ours-528-smooth peer-x11-528)   (drawn at 640 x 480, stretched)"
echo "  ours-1080 / peer-x11-1080           $(ratio ours-1080 peer-x11-1080)   (the default: stretched)"
echo "  ours-1080-source / peer-x11-1080    $(ratio ours-1080-source peer-x11-1080)"
echo "  ours-1080-nearest / peer-x11-1080   $(ratio ours-1080-nearest peer-x11-1080)"
