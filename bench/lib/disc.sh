# Shared by the whole-process benchmarks (source it): the benchmark clip, a
# benchmark disc made from the demo disc, a virtual screen, and driving the
# real player's window with xdotool.

# bench_clip FILE: the 10-second 640 x 480 25 fps MPEG-1 program stream with
# MP2 sound that bench/media/run.sh plays too.
bench_clip() {
    ffmpeg -v error -y -f lavfi -i "testsrc2=s=640x480:r=25:d=10" -f lavfi -i "sine=f=440:sample_rate=44100:d=10" \
        -c:v mpeg1video -b:v 1800k -g 15 -c:a mp2 -b:a 192k -f mpeg "$1"
}

# bench_disc BUILD_DIR DEST [CLIP]: a disc folder made from BUILD_DIR/demo-disc
# (build the demo-disc target first): links to its files, a copy of the
# player (it reads the disc from its own folder), and AUTORUN.INF rewritten
# with no intro and no outro. With CLIP, menu item 1 of page 1 (the rectangle
# 112,124 - 472,172 of the picture area) plays that clip as a lesson. With
# HEADER, that is the intro list instead of none (sed replacement text: a
# backslash doubled).
bench_disc() {
    local build=$1 dest=$2 clip=${3:-} header=${4:-}
    local demo="$build/demo-disc"
    [ -f "$demo/AUTORUN.INF" ] && [ -x "$build/autorun" ] || {
        echo "no $demo/AUTORUN.INF or $build/autorun: build the autorun and demo-disc targets" >&2
        return 1
    }
    mkdir -p "$dest"
    local entry
    for entry in "$demo"/*; do
        case "$(basename "$entry")" in AUTORUN.INF|autorun) ;; *) ln -s "$(realpath "$entry")" "$dest/";; esac
    done
    cp "$build/autorun" "$dest/autorun"
    local edit="s/^header=.*/header=$header/; s/^laster=.*/laster=/"
    if [ -n "$clip" ]; then
        cp "$clip" "$dest/lesson.mpg"
        edit="$edit; s/^1list=\\([0-9,]*\\),#[^,]*,.*/1list=\\1,#lesson,lesson.mpg/"
    fi
    iconv -f GB18030 -t UTF-8 "$demo/AUTORUN.INF" | sed "$edit" | iconv -f UTF-8 -t GB18030 > "$dest/AUTORUN.INF"
}

# bench_xvfb WxH: a virtual screen for the rest of the script (DISPLAY set,
# Qt on xcb); it is stopped by bench_xvfb_stop.
bench_xvfb() {
    local n=$((90 + RANDOM % 100))
    # A display number no other server holds (else xdpyinfo would find theirs).
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    BENCH_DISPLAY=":$n"
    Xvfb "$BENCH_DISPLAY" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
    BENCH_XVFB_PID=$!
    export DISPLAY=$BENCH_DISPLAY QT_QPA_PLATFORM=xcb
    local i
    for i in $(seq 1 50); do
        kill -0 "$BENCH_XVFB_PID" 2>/dev/null || break
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on $BENCH_DISPLAY" >&2
    return 1
}
bench_xvfb_stop() { [ -n "${BENCH_XVFB_PID:-}" ] && kill "$BENCH_XVFB_PID" 2>/dev/null || true; }

# player_window PID: the id of the player's visible window (waits up to 10 s).
player_window() {
    timeout 10 xdotool search --sync --onlyvisible --pid "$1" 2>/dev/null | head -1
}

# click_in WINDOW X Y: a left click at X, Y of the window.
click_in() {
    xdotool mousemove --window "$1" "$2" "$3"
    sleep 0.1
    xdotool click 1
}

# close_player WINDOW: the close button, "确定" in the confirmation, then a
# click on the outro window (an empty outro list waits for a press), which
# opens where the main window was.
close_player() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    click_in "$1" 780 16
    sleep 0.8
    click_in "$1" 323 349
    sleep 0.8
    xdotool mousemove $((X + 400)) $((Y + 300))
    sleep 0.1
    xdotool click 1
}
