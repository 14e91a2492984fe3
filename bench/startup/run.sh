#!/usr/bin/env bash
# Start to first paint: the real player on a disc without intro (its main
# window with menu page 1) against a bare Qt program that opens one 800 x 600
# window, and against the same bare program with the player's media library
# (libmpv and what it loads) linked in but unused; each started by
# first_paint_launch, in alternation under one Xvfb (1920 x 1080); medians
# over the rounds.
#
#   bench/startup/run.sh BUILD_DIR [ROUNDS]
#
# BUILD_DIR is a build with the autorun, demo-disc, first_paint_launch,
# autorun_first_paint, bare_window and bare_window_mpv targets built (configure
# with -DAUTORUN_BUILD_BENCH=ON). The player measured is autorun_first_paint:
# the player's own sources built with the first-paint probe, put into the disc
# folder beside the player. The disc is the demo disc without intro and outro
# (bench/lib/disc.sh). The time runs from just before the program is started
# to the end of its first paint pass, both read on CLOCK_MONOTONIC
# (bench/startup/FirstPaintProbe.h).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: run.sh BUILD_DIR [ROUNDS]}" && pwd)
rounds=${2:-15}
launch="$build/bench/startup/first_paint_launch"
bare="$build/bench/startup/bare_window"
bare_mpv="$build/bench/startup/bare_window_mpv"
probed="$build/bench/startup/autorun_first_paint"
[ -x "$launch" ] && [ -x "$bare" ] && [ -x "$bare_mpv" ] && [ -x "$probed" ] ||
    { echo "build the first_paint_launch, autorun_first_paint, bare_window and bare_window_mpv targets" >&2; exit 1; }
# shellcheck source=../lib/disc.sh
source "$here/../lib/disc.sh"

work=$(mktemp -d)
trap 'bench_xvfb_stop; rm -rf "$work"' EXIT
bench_disc "$build" "$work/disc"
# The player reads the disc from its own folder: the probed copy goes beside it.
cp "$probed" "$work/disc/autorun_first_paint"
bench_xvfb 1920x1080
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One start of each, not measured: files and libraries in the page cache.
"$launch" "$work/disc/autorun_first_paint" >/dev/null
"$launch" "$bare" >/dev/null
"$launch" "$bare_mpv" >/dev/null
for round in $(seq 1 "$rounds"); do
    ours=$("$launch" "$work/disc/autorun_first_paint")
    theirs=$("$launch" "$bare")
    linked=$("$launch" "$bare_mpv")
    echo "$ours" >> "$work/ours"
    echo "$theirs" >> "$work/bare"
    echo "$linked" >> "$work/bare_mpv"
    echo "round $round  player $ours ms  bare Qt window $theirs ms  bare with the media library $linked ms"
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ours=$(median "$work/ours")
bare=$(median "$work/bare")
linked=$(median "$work/bare_mpv")
echo
echo "medians over $rounds rounds, load $(cut -d' ' -f1-3 /proc/loadavg):"
echo "  player, menu painted      $ours ms"
echo "  bare Qt window painted    $bare ms"
echo "  bare, media library       $linked ms"
echo "  ratio player / bare       $(awk -v a="$ours" -v b="$bare" 'BEGIN { printf "%.2f", a / b }')"
echo "  ratio player / bare with the media library  $(awk -v a="$ours" -v b="$linked" 'BEGIN { printf "%.2f", a / b }')"
