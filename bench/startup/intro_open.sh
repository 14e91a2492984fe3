#!/usr/bin/env bash
# Start to the intro clip: how long after the player is started the media
# library opens the first intro clip, on the demo disc with one intro entry,
# its .wmv clip (header=片头\片头.wmv, no outro). The open is seen by
# inotifywait on the clip file; the player is ended once it has been seen.
# Medians over the rounds, under one Xvfb (1920 x 1080).
#
#   bench/startup/intro_open.sh BUILD_DIR [ROUNDS] [OTHER_PLAYER]
#
# BUILD_DIR is a build with the autorun and demo-disc targets built. With
# OTHER_PLAYER (the autorun of another build, say the commit before a change),
# both run in alternation on the same disc and both medians are printed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: intro_open.sh BUILD_DIR [ROUNDS] [OTHER_PLAYER]}" && pwd)
rounds=${2:-11}
other=${3:-}
command -v inotifywait >/dev/null || { echo "inotifywait is missing (inotify-tools)" >&2; exit 1; }
# shellcheck source=../lib/disc.sh
source "$here/../lib/disc.sh"

work=$(mktemp -d)
trap 'bench_xvfb_stop; rm -rf "$work"' EXIT

# disc_with_intro DEST PLAYER: the benchmark disc with only the demo disc's
# .wmv intro, and PLAYER beside it (the player reads the disc from its own folder).
disc_with_intro() {
    bench_disc "$build" "$1" "" '片头\\片头.wmv'
    cp "$2" "$1/autorun"
}

names=(this)
disc_with_intro "$work/this" "$build/autorun"
if [ -n "$other" ]; then
    names+=(other)
    disc_with_intro "$work/other" "$other"
fi
clip=$(realpath "$build/demo-disc/片头")/片头.wmv
[ -f "$clip" ] || { echo "no intro clip $clip in the demo disc" >&2; exit 1; }

bench_xvfb 1920x1080
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One start: milliseconds from just before the start to the clip's open.
one_start() {
    local player=$1 watcher pid t0 t1
    inotifywait -q -e open --format '%e' "$clip" >/dev/null 2>&1 &
    watcher=$!
    sleep 0.3  # the watch is in place
    t0=$(date +%s%N)
    "$player" >/dev/null 2>&1 &
    pid=$!
    wait "$watcher" || true
    t1=$(date +%s%N)
    sleep 1
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo $(((t1 - t0) / 1000))
}

median_ms() { sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'; }

for name in "${names[@]}"; do : > "$work/$name.times"; done
for _ in $(seq 1 "$rounds"); do
    for name in "${names[@]}"; do one_start "$work/$name/autorun" >> "$work/$name.times"; done
done
for name in "${names[@]}"; do
    label=$([ "$name" = this ] && echo "$build/autorun" || echo "$other")
    echo "start to intro clip open, median of $rounds: $(median_ms < "$work/$name.times") ms  ($label)"
done
