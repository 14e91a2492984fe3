#!/usr/bin/env bash
# Discs held as images, whole process, against the same disc as a folder.
#
#   bench/disc/run.sh BUILD_DIR [ROUNDS]
#
# BUILD_DIR is a build with the autorun, disc-check and demo-disc targets
# built. Made here: the benchmark disc (the demo disc without intro and outro,
# menu item 1 playing the 10 s 640x480 MPEG-1 clip) as a folder and as an ISO
# (xorriso, Joliet and Rock Ridge).
# Also a Video CD (BIN/CUE by vcdimager) whose lesson is the 10 s clip made
# for a Video CD as MPEGAV/AVSEQ01.DAT, against the same clip in a folder.
# Cases, each once per round, in turn; medians over the rounds:
#   lesson-folder / lesson-iso   CPU seconds of the player playing the lesson
#                                to its end in the window (as bench/lesson)
#   vcd-folder / vcd-image       the same for the Video CD lesson
#   paint-folder / paint-650mb   start to first paint of the menu (the player
#                                built with the first-paint probe, as
#                                bench/startup), the disc as a folder and as
#                                a 650 MB image
#   check-6mb / check-600mb      disc-check of an ISO whose clips total 6 MB
#                                and 600 MB (checking reads no clip)
#   check-200 jobs 1 / jobs N    disc-check --json over 200 images, one job
#                                and one per core
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: run.sh BUILD_DIR [ROUNDS]}" && pwd)
rounds=${2:-3}
# shellcheck source=../lib/disc.sh
source "$here/../lib/disc.sh"
check="$build/tools/disc-check/disc-check"
launch="$build/bench/startup/first_paint_launch"
probed="$build/bench/startup/autorun_first_paint"
[ -x "$launch" ] && [ -x "$probed" ] || { echo "build first_paint_launch and autorun_first_paint (bench on)" >&2; exit 1; }

work=$(mktemp -d)
trap 'bench_xvfb_stop; rm -rf "$work"' EXIT
bench_clip "$work/clip.mpg"
bench_disc "$build" "$work/links" "$work/clip.mpg"
# Real files for the image (the disc folder holds links to the demo disc).
cp -rL "$work/links" "$work/disc"
rm -f "$work/disc/autorun"
mkiso() { xorriso -as mkisofs -quiet -J -joliet-long -R -o "$2" "$1" >/dev/null 2>&1; }
mkiso "$work/disc" "$work/disc.iso"

# The Video CD: the skin and the menu pictures under ISO 9660 names (as
# vcdimager wants them), item 1 playing the track from its Form 2 sectors; the
# folder case holds the same files and the same MPEG stream as
# MPEGAV/AVSEQ01.DAT.
ffmpeg -v error -y -f lavfi -i "testsrc2=s=352x288:r=25:d=10" -f lavfi -i "sine=f=440:sample_rate=44100:d=10" \
    -target pal-vcd "$work/vcd.mpg"
mkdir -p "$work/vcd-disc/IMAGE" "$work/vcd-disc/FACE" "$work/vcd-disc/MPEGAV"
for file in "$work/disc/IMAGE"/*; do
    cp "$file" "$work/vcd-disc/IMAGE/$(basename "$file" | tr '[:lower:]' '[:upper:]')"
done
n=0
for face in "$work/disc/目录"/主菜单.jpg "$work/disc/目录"/第二单元.jpg "$work/disc/目录"/课外天地.jpg; do
    n=$((n + 1))
    cp "$face" "$work/vcd-disc/FACE/P$n.JPG"
done
iconv -f GB18030 -t UTF-8 "$work/disc/AUTORUN.INF" |
    sed 's/^face=.*/face=FACE\\P1.JPG,FACE\\P2.JPG,FACE\\P3.JPG/; s/^1list=\([0-9,]*\),#[^,]*,.*/1list=\1,#lesson,mpegav\\avseq01.dat/' |
    iconv -f UTF-8 -t GB18030 > "$work/vcd-disc/AUTORUN.INF"
add=("--add-file=$work/vcd-disc/AUTORUN.INF,AUTORUN.INF" "--add-dir=IMAGE" "--add-dir=FACE")
for file in "$work/vcd-disc/IMAGE"/* "$work/vcd-disc/FACE"/*; do
    add+=("--add-file=$file,${file#"$work/vcd-disc/"}")
done
(cd "$work" && vcdimager -q -t vcd2 -c vcd.cue -b vcd.bin "${add[@]}" vcd.mpg >"$work/vcdimager.log" 2>&1) ||
    { cat "$work/vcdimager.log"; exit 1; }
cp "$work/vcd.mpg" "$work/vcd-disc/MPEGAV/AVSEQ01.DAT"

# The same disc in a 650 MB image: what start-up reads does not grow with it.
mkdir -p "$work/big"
cp -r "$work/disc/." "$work/big/"
head -c $((640 << 20)) /dev/zero > "$work/big/filler.mpg"
mkiso "$work/big" "$work/big.iso"
rm -rf "$work/big"

# Two discs for disc-check: 6 MB and 600 MB of clips beside the same files.
mkdir -p "$work/small" "$work/large"
cp -r "$work/disc/." "$work/small/"
cp -r "$work/disc/." "$work/large/"
head -c $((6 << 20)) /dev/urandom > "$work/small/extra.mpg"
head -c $((600 << 20)) /dev/urandom > "$work/large/extra.mpg"
mkiso "$work/small" "$work/small.iso"
mkiso "$work/large" "$work/large.iso"
rm -rf "$work/small" "$work/large"
mkdir -p "$work/many"
for i in $(seq 1 200); do ln -s "$work/disc.iso" "$work/many/disc$i.iso"; done

bench_xvfb 1024x768

# lesson DISC: CPU seconds (user + sys) of the player on DISC, item 1 played
# to its end, then closed.
lesson() {
    local out="$work/lesson.time"
    /usr/bin/time -f "%U %S" -o "$out" "$build/autorun" "$1" >/dev/null 2>&1 &
    local timer=$! pid=""
    for _ in $(seq 1 50); do pid=$(pgrep -P "$timer" | head -1) && [ -n "$pid" ] && break; sleep 0.05; done
    local win
    win=$(player_window "$pid")
    sleep 0.5
    click_in "$win" 498 209
    sleep 13
    close_player "$win"
    for _ in $(seq 1 100); do kill -0 "$timer" 2>/dev/null || break; sleep 0.1; done
    kill "$pid" 2>/dev/null || true
    wait "$timer" || true
    awk '{ printf "%.2f\n", $1 + $2 }' "$out"
}

# wall COMMAND...: wall seconds of one run.
wall() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}

cores=$(nproc)
for round in $(seq 1 "$rounds"); do
    lesson "$work/disc" >> "$work/lesson-folder"
    lesson "$work/disc.iso" >> "$work/lesson-iso"
    lesson "$work/vcd-disc" >> "$work/vcd-folder"
    lesson "$work/vcd.cue" >> "$work/vcd-image"
    "$launch" "$probed" "$work/disc" >> "$work/paint-folder"
    "$launch" "$probed" "$work/big.iso" >> "$work/paint-650mb"
    wall "$check" "$work/small.iso" >> "$work/check-6mb"
    wall "$check" "$work/large.iso" >> "$work/check-600mb"
    wall "$check" --json --jobs 1 "$work"/many/*.iso >> "$work/check-200-1"
    wall "$check" --json --jobs "$cores" "$work"/many/*.iso >> "$work/check-200-n"
    echo "round $round: lesson folder $(tail -1 "$work/lesson-folder") s, iso $(tail -1 "$work/lesson-iso") s;" \
        "vcd folder $(tail -1 "$work/vcd-folder") s, image $(tail -1 "$work/vcd-image") s;" \
        "first paint folder $(tail -1 "$work/paint-folder") ms, 650 MB image $(tail -1 "$work/paint-650mb") ms;" \
        "check 6 MB $(tail -1 "$work/check-6mb") s, 600 MB $(tail -1 "$work/check-600mb") s;" \
        "200 images jobs 1 $(tail -1 "$work/check-200-1") s, jobs $cores $(tail -1 "$work/check-200-n") s"
done

median() { sort -n "$work/$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo
echo "medians over $rounds rounds, load $(cut -d' ' -f1-3 /proc/loadavg):"
echo "  lesson CPU: folder $(median lesson-folder) s, ISO $(median lesson-iso) s, ratio $(ratio "$(median lesson-iso)" "$(median lesson-folder)")"
echo "  Video CD lesson CPU: folder $(median vcd-folder) s, BIN/CUE $(median vcd-image) s, ratio $(ratio "$(median vcd-image)" "$(median vcd-folder)")"
echo "  first paint: folder $(median paint-folder) ms, 650 MB image $(median paint-650mb) ms, ratio $(ratio "$(median paint-650mb)" "$(median paint-folder)")"
echo "  disc-check: 6 MB of clips $(median check-6mb) s, 600 MB $(median check-600mb) s, ratio $(ratio "$(median check-600mb)" "$(median check-6mb)")"
echo "  disc-check --json, 200 images: 1 job $(median check-200-1) s, $cores jobs $(median check-200-n) s, speed-up $(ratio "$(median check-200-1)" "$(median check-200-n)")"
