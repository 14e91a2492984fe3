#!/usr/bin/env bash
# play-disc with a stand-in player: the player runs from a private folder that
# shows the disc's root beside it, gets the disc's files through it, its exit
# status comes back, and the folder is gone afterwards. A folder without
# AUTORUN.INF is refused.
#   play-disc-test.sh PATH_TO_PLAY_DISC
set -euo pipefail
launcher=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT

disc="$work/disc with spaces"
mkdir -p "$disc/IMAGE" "$disc/第一单元"
printf '[main]\r\nheader=\r\n' > "$disc/AUTORUN.INF"
echo picture > "$disc/IMAGE/PLAY.JPG"
echo hidden > "$disc/.hidden"
chmod -R a-w "$disc"

# The stand-in player reports its folder, what it sees there, and reads a file.
cat > "$work/player" <<'PLAYER'
#!/usr/bin/env bash
folder=$(dirname "$(readlink -f "$0")")
{ echo "folder=$folder"; ls -A "$folder"; cat "$folder/IMAGE/PLAY.JPG"; } > "$REPORT"
exit 3
PLAYER
chmod +x "$work/player"

fail() { echo "FAIL: $*"; [ -f "$work/report" ] && cat "$work/report"; exit 1; }

status=0
REPORT="$work/report" AUTORUN_PLAYER="$work/player" TMPDIR="$work" XDG_RUNTIME_DIR="" \
  "$launcher" "$disc" || status=$?
[ "$status" -eq 3 ] || fail "exit status $status, expected the player's 3"
folder=$(sed -n 's/^folder=//p' "$work/report")
case "$folder" in "$work"/play-disc.*) ;; *) fail "player ran in $folder" ;; esac
for name in AUTORUN.INF IMAGE 第一单元 .hidden autorun picture; do
  grep -qx -- "$name" "$work/report" || fail "the player did not see $name"
done
[ ! -e "$folder" ] || fail "the private folder $folder was left behind"

mkdir "$work/empty"
status=0
AUTORUN_PLAYER="$work/player" "$launcher" "$work/empty" 2> "$work/err" || status=$?
[ "$status" -eq 1 ] || fail "a folder without AUTORUN.INF gave status $status"
grep -q "no AUTORUN.INF" "$work/err" || fail "no clear message: $(cat "$work/err")"
echo "play-disc: all checks passed"
