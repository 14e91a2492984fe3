#!/usr/bin/env bash
# disc-check --json on discs whose AUTORUN.INF a hostile or careless author
# made large, two sizes side by side: 1 and 10 MB of ordinary [main] lines,
# 1 and 10 MB of 200 KB lines, a 9 KB [menu] of 325 identical rectangles
# shown on 42 pages, and 31 pages whose range each covers items 1 to 32767. Prints CPU seconds (user + sys), peak RSS and the size of
# the report, the median of ROUNDS runs (default 3), each disc in turn.
#
#   bench/profile/run.sh BUILD_DIR [ROUNDS]
#
# BUILD_DIR is a build with the disc-check target built.
set -euo pipefail
build=$(cd "${1:?usage: run.sh BUILD_DIR [ROUNDS]}" && pwd)
rounds=${2:-3}
check="$build/tools/disc-check/disc-check"
[ -x "$check" ] || { echo "build the disc-check target" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# make_inf FOLDER MEGABYTES ordinary|long: [main] with the bulk first and the
# keys start-up reads last, then [menu] and [navigate].
make_inf() {
    mkdir -p "$1"
    awk -v target=$(($2 * 1048576)) -v kind="$3" 'BEGIN {
        printf "[main]\r\n"; size = 8
        long = "x"; while (length(long) < 204800) long = long long; long = substr(long, 1, 204800)
        for (i = 0; size < target; ++i) {
            if (kind == "long") { printf "key%d=%s\r\n", i, long; size += length(i) + 6 + length(long) }
            else { line = sprintf("key%d=some value of an ordinary length, %d\r\n", i, i); printf "%s", line; size += length(line) }
        }
        printf "header=\r\nlaster=\r\nface=p1.jpg\r\nnewloop=1-2\r\n"
        printf "[menu]\r\n1list=10,10,100,40,#url,x\r\n2list=10,50,100,80,#url,y\r\n"
        printf "[navigate]\r\ndonghua=a\r\nshengyin=b\r\n"
    }' > "$1/AUTORUN.INF"
}

make_overlaps() {
    mkdir -p "$1"
    awk 'BEGIN {
        for (n = 0; n < 325; ++n) menu = menu sprintf("%dlist=0,0,100,100,#url,x\r\n", n + 1)
        for (p = 0; p < 42; ++p) { face = face (p ? "," : "") "a.jpg"; loop = loop (p ? "," : "") "1-325" }
        printf "[main]\r\nheader=\r\nlaster=\r\nface=%s\r\nnewloop=%s\r\n[menu]\r\n%s", face, substr(loop, 1, 255), menu
    }' > "$1/AUTORUN.INF"
}

make_ranges() {
    mkdir -p "$1"
    awk 'BEGIN {
        for (p = 0; p < 31; ++p) { face = face (p ? "," : "") "a.jpg"; loop = loop (p ? "," : "") "1-32767" }
        printf "[main]\r\nheader=\r\nlaster=\r\nface=%s\r\nnewloop=%s\r\n[menu]\r\n1list=1,1,9,9,#url,x\r\n", face, loop
    }' > "$1/AUTORUN.INF"
}

make_inf "$work/ordinary-1MB" 1 ordinary
make_inf "$work/ordinary-10MB" 10 ordinary
make_inf "$work/long-lines-1MB" 1 long
make_inf "$work/long-lines-10MB" 10 long
make_overlaps "$work/overlaps-9KB"
make_ranges "$work/wide-ranges"
discs="ordinary-1MB ordinary-10MB long-lines-1MB long-lines-10MB overlaps-9KB wide-ranges"

for ((round = 0; round < rounds; ++round)); do
    for disc in $discs; do
        /usr/bin/time -f "%U %S %M" -o "$work/time" "$check" --json "$work/$disc" > "$work/report" || true
        # GNU time adds a line before its figures when the command fails (disc-check
        # exits 1 for a disc with errors).
        tail -1 "$work/time" | awk -v disc="$disc" -v report=$(stat -c %s "$work/report") \
            '{ printf "%s %.2f %d %d\n", disc, $1 + $2, $3 / 1024, report / 1024 }' >> "$work/runs"
    done
done
echo "disc CPU_s peak_MB report_KB (median of $rounds)"
for disc in $discs; do
    grep "^$disc " "$work/runs" | sort -k2 -g | sed -n "$(((rounds + 1) / 2))p"
done
