#!/usr/bin/env bash
# Playing a lesson, whole process: CPU seconds (user + sys) and memory of the
# real player playing a 10-second lesson to its end, against mpv on the same
# clip. Each case runs once per round, the cases in turn, under one Xvfb
# (1920 x 1080); figures are medians over the rounds.
#
#   bench/lesson/run.sh BUILD_DIR [ROUNDS]
#
# BUILD_DIR is a build with the autorun and demo-disc targets built. The disc
# is the demo disc without intro and outro, menu item 1 playing the clip.
# Cases:
#   ours-window  the player starts on the menu, item 1 is clicked (the lesson
#                plays in the 528 x 432 picture area), the menu comes back,
#                the player is closed through its confirmation
#   ours-full    the same, full screen clicked 0.5 s into the lesson
#   ours-idle    the same without clicking the lesson (start, menu, close):
#                what the player costs besides playing
#   mpv-null     mpv --no-config --vo=null --ao=null CLIP (decoding alone)
#   mpv-x11-window / mpv-x11-full   mpv showing the picture in software,
#                at 528 x 432 and at 1920 x 1080, for context
# Memory: peak RSS (VmHWM, from GNU time's %M) and RSS read from
# /proc/PID/status 5 s into the clip, the same way for every case.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: run.sh BUILD_DIR [ROUNDS]}" && pwd)
rounds=${2:-3}
# shellcheck source=../lib/disc.sh
source "$here/../lib/disc.sh"

work=$(mktemp -d)
trap 'bench_xvfb_stop; rm -rf "$work"' EXIT
bench_clip "$work/clip.mpg"
bench_disc "$build" "$work/disc" "$work/clip.mpg"
bench_xvfb 1920x1080

# run_case NAME: one run; appends "cpu peakKB midKB" to $work/NAME.
run_case() {
    local name=$1 out="$work/$1.time" mid=0
    local -a cmd
    case $name in
        ours-*) cmd=("$work/disc/autorun") ;;
        mpv-null) cmd=(mpv --no-config --vo=null --ao=null "$work/clip.mpg") ;;
        mpv-x11-window) cmd=(mpv --no-config --vo=x11 --ao=null --geometry=528x432+0+0 --no-keepaspect-window "$work/clip.mpg") ;;
        mpv-x11-full) cmd=(mpv --no-config --vo=x11 --ao=null --geometry=1920x1080+0+0 --no-keepaspect-window "$work/clip.mpg") ;;
    esac
    /usr/bin/time -f "%U %S %M" -o "$out" "${cmd[@]}" >/dev/null 2>&1 &
    local timer=$! pid=""
    for _ in $(seq 1 50); do pid=$(pgrep -P "$timer" | head -1) && [ -n "$pid" ] && break; sleep 0.05; done
    rss() { awk '/^VmRSS/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0; }
    case $name in
        ours-*)
            local win
            win=$(player_window "$pid")
            sleep 0.5
            [ "$name" != ours-idle ] && click_in "$win" 498 209   # item 1: 206 + 292, 61 + 148
            if [ "$name" = ours-full ]; then
                sleep 0.5
                click_in "$win" 745 16   # full screen (0.1 s of it in click_in)
                sleep 0.4
                xdotool getwindowgeometry "$win" | grep -q 'Geometry: 1920x1080' ||
                    echo "warning: $name did not go full screen" >&2
                sleep 4
            else
                sleep 5
            fi
            mid=$(rss)
            sleep 8   # the clip ends at 10 s; the menu is back well before 13 s
            close_player "$win"
            ;;
        *)
            sleep 5
            mid=$(rss)
            ;;
    esac
    for _ in $(seq 1 100); do kill -0 "$timer" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$timer" 2>/dev/null; then
        echo "$name did not end: killed" >&2
        kill "$pid" 2>/dev/null || true
    fi
    wait "$timer" || true
    read -r user sys peak < <(tail -1 "$out")
    echo "$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }') $peak $mid" >> "$work/$name"
}

cases=(ours-window mpv-null ours-full mpv-x11-window ours-idle mpv-x11-full)
for round in $(seq 1 "$rounds"); do
    for name in "${cases[@]}"; do
        run_case "$name"
        echo "round $round  $(printf '%-15s' "$name") cpu $(tail -1 "$work/$name" | awk '{ printf "%s s  peak %d MB  mid %d MB", $1, $2 / 1024, $3 / 1024 }')"
    done
done

# median COLUMN NAME
median() { awk -v c="$1" '{ print $c }' "$work/$2" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo
echo "medians over $rounds rounds (10 s 640x480 25 fps MPEG-1 with MP2 sound), load $(cut -d' ' -f1-3 /proc/loadavg):"
printf '  %-15s %8s %10s %10s\n' case "CPU s" "peak MB" "mid MB"
for name in "${cases[@]}"; do
    printf '  %-15s %8.2f %10.1f %10.1f\n' "$name" "$(median 1 "$name")" \
        "$(awk -v k="$(median 2 "$name")" 'BEGIN { print k / 1024 }')" "$(awk -v k="$(median 3 "$name")" 'BEGIN { print k / 1024 }')"
done
# A lesson that did not play (a missed click) costs what the idle case costs.
awk -v a="$(median 1 ours-window)" -v b="$(median 1 ours-idle)" 'BEGIN { exit !(a < 2 * b) }' &&
    echo "warning: ours-window costs little more than ours-idle: did the lesson play?" >&2
echo "ratios:"
echo "  CPU ours-window / mpv-null        $(ratio "$(median 1 ours-window)" "$(median 1 mpv-null)")"
echo "  CPU ours-full / mpv-null          $(ratio "$(median 1 ours-full)" "$(median 1 mpv-null)")"
echo "  CPU ours-window / mpv-x11-window  $(ratio "$(median 1 ours-window)" "$(median 1 mpv-x11-window)")"
echo "  CPU ours-full / mpv-x11-full      $(ratio "$(median 1 ours-full)" "$(median 1 mpv-x11-full)")"
echo "  peak RSS ours-window / mpv-null   $(ratio "$(median 2 ours-window)" "$(median 2 mpv-null)")"
echo "  mid RSS ours-window / mpv-null    $(ratio "$(median 3 ours-window)" "$(median 3 mpv-null)")"
echo "  peak RSS ours-full / mpv-x11-full $(ratio "$(median 2 ours-full)" "$(median 2 mpv-x11-full)")"
