#!/usr/bin/env bash
# The in-process benchmarks on the real main window, under one Xvfb
# (1024 x 768, Qt on xcb):
#   mouse move over the background: Google Benchmark (median of 5
#     repetitions), then the system calls of 1,000 warm moves counted with
#     strace between the program's own markers (opens, directory reads, stats);
#   seek: release to position and release to the new picture, N seeks;
#   the menu at rest: ticks of the program's own timers per second.
#
#   bench/window/run.sh BUILD_DIR [SEEKS] [REST_SECONDS]
#
# BUILD_DIR: configured with -DAUTORUN_BUILD_BENCH=ON and the tests on; build
# the bench_mouse_move, seek_latency and rest_timers targets.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: run.sh BUILD_DIR [SEEKS] [REST_SECONDS]}" && pwd)
seeks=${2:-20}
rest=${3:-5}
bin="$build/bench/window"
for p in bench_mouse_move seek_latency rest_timers; do
    [ -x "$bin/$p" ] || { echo "no $bin/$p: build the $p target" >&2; exit 1; }
done
# shellcheck source=../lib/disc.sh
source "$here/../lib/disc.sh"
work=$(mktemp -d)
trap 'bench_xvfb_stop; rm -rf "$work"' EXIT
bench_xvfb 1024x768
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
echo "load $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== mouse move over the background (time per move; file reads per move once warm)"
"$bin/bench_mouse_move" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>&1 |
    grep -E '^(Benchmark|BM_.*_median)'

if command -v strace >/dev/null; then
    echo "== system calls per warm move (strace, 1000 moves)"
    for names in "" --upper; do
        for paint in "" --paint; do
            strace -f -y -o "$work/strace" -e trace=openat,open,getdents64,newfstatat,statx,stat,lstat,access,read,write \
                "$bin/bench_mouse_move" --moves=1000 $names $paint >/dev/null 2>&1
            # write is traced for the markers only. -y names each descriptor: a read from "</path>" is a file read,
            # others are the event loop's wake-ups and the X connection.
            awk -v what="${names:---as-written} ${paint:---no-paint}" '
                /moves begin/ { on = 1; next }
                /moves end/ { on = 0 }
                on { sub(/^[0-9]+ +/, ""); split($0, a, "("); call = a[1]
                     if (call == "read") call = ($0 ~ /^read\([0-9]+<\//) ? "file-read" : "other-read"
                     if (call ~ /stat/) call = "stat"
                     if (call == "write") next
                     n[call]++ }
                END { printf "  %-24s", what
                      split("openat getdents64 file-read stat access other-read", order, " ")
                      for (i = 1; i <= 6; i++) printf " %s %.2f", order[i], n[order[i]] / 1000
                      print "" }' "$work/strace"
        done
    done
    echo "  (per move; other-read: the event loop's wake-up descriptor and the X connection)"
else
    echo "strace is not installed: system calls not counted"
fi

echo "== seek ($seeks seeks)"
"$bin/seek_latency" "$seeks" 2>/dev/null | grep -v '^$'
echo "== the menu at rest ($rest s)"
"$bin/rest_timers" "$rest" 2>/dev/null
