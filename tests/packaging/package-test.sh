#!/usr/bin/env bash
# The Debian package as a user gets it: built by `make deb-package` (a Release
# build of its own), checked by lintian (no errors), its desktop entry and
# metainfo validated, its manual pages rendered without warnings and listing
# every option that --help lists, and the three programs' --help, --version
# and unknown-option behaviour, run from the unpacked package with no display.
#   package-test.sh SOURCE_DIR WORK_DIR VERSION
set -euo pipefail

src=$(cd "$1" && pwd)
work=$2
version=$3
mkdir -p "$work"
work=$(cd "$work" && pwd)
build="$work/build-deb"
root="$work/root"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

echo "--- building the package in $build"
make -C "$src" --no-print-directory deb-package DEB_BUILD="$build" JOBS=2 >"$work/build.log" 2>&1 ||
  { tail -50 "$work/build.log"; exit 1; }
deb=$(ls -t "$build"/autorun_*.deb | head -1)
echo "package: $deb"

echo "--- control and contents"
control=$(dpkg-deb -f "$deb")
echo "$control"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libmpv2 libqt6widgets6 libqt6core6 libqt6gui6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = video ] || fail "section is not video"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
id=org.example.autorun
for path in /usr/bin/autorun /usr/bin/disc-check /usr/bin/make-demo-disc \
  /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/$id.svg \
  /usr/share/man/man1/autorun.1.gz /usr/share/man/man1/disc-check.1.gz /usr/share/man/man1/make-demo-disc.1.gz \
  /usr/share/doc/autorun/copyright /usr/share/doc/autorun/changelog.Debian.gz /usr/share/doc/autorun/README.md; do
  grep -qx "$path" <<<"$contents" || fail "the package lacks $path"
done
for size in 16 24 32 48 64 128 256; do
  grep -qx "/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" <<<"$contents" || fail "no ${size}x${size} icon"
done
if grep -E '_tests$|bench|/lib/.*\.a$|/include/' <<<"$contents"; then fail "tests, benchmarks or build files installed"; fi

rm -rf "$root"
dpkg-deb -x "$deb" "$root"
for program in autorun disc-check make-demo-disc; do
  if file "$root/usr/bin/$program" | grep -q 'not stripped'; then fail "$program is not stripped"; fi
done

echo "--- lintian"
lintian_out=$(lintian --tag-display-limit 0 "$deb" 2>&1 || true)
echo "$lintian_out"
if grep -q '^E:' <<<"$lintian_out"; then fail "lintian reports errors"; fi

echo "--- desktop entry and metainfo"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry does not validate"
# --no-net: the homepage and screenshot addresses are not fetched.
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "metainfo does not validate"

echo "--- manual pages and the programs' own options"
# No display: --help and --version must not need one.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/$@"; }
for program in autorun disc-check make-demo-disc; do
  page="$root/usr/share/man/man1/$program.1.gz"
  warnings=$(zcat "$page" | groff -ww -z -man 2>&1)
  if [ -n "$warnings" ]; then fail "$program.1: groff warns: $warnings"; fi
  MANWIDTH=80 man --warnings -l "$page" >/dev/null 2>"$work/man.err" || fail "man cannot show $program.1"
  if [ -s "$work/man.err" ]; then fail "$program.1: man warns: $(cat "$work/man.err")"; fi

  status=0
  help=$(run "$program" --help 2>"$work/err") || status=$?
  [ "$status" -eq 0 ] || fail "$program --help: status $status"
  if [ -s "$work/err" ]; then fail "$program --help wrote to standard error: $(cat "$work/err")"; fi
  grep -q "^usage: $program" <<<"$help" || fail "$program --help shows no usage"
  grep -qi "exit status" <<<"$help" || fail "$program --help names no exit statuses"
  page_text=$(zcat "$page" | sed 's/\\-/-/g')
  for option in $(grep -oE '(^|[ ,\[|])--?[a-z][a-z-]*' <<<"$help" | grep -oE -- '--?[a-z][a-z-]*' | sort -u); do
    grep -qF -- "$option" <<<"$page_text" || fail "$program.1 does not mention $option, which --help lists"
  done

  status=0
  printed=$(run "$program" --version 2>/dev/null) || status=$?
  if [ "$status" -ne 0 ] || [ "$printed" != "$program $version" ]; then
    fail "$program --version: status $status, \"$printed\""
  fi

  status=0
  run "$program" --no-such-option >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq 2 ] || fail "$program --no-such-option: status $status"
  if [ -s "$work/out" ]; then fail "$program --no-such-option wrote to standard output"; fi
  if ! grep -q "no-such-option" "$work/err" || ! grep -q "^usage: $program" "$work/err"; then
    fail "$program --no-such-option: no error line and usage on standard error"
  fi
done

echo "--- the installed player opens a disc folder from anywhere"
status=0
(cd / && env QT_QPA_PLATFORM=offscreen "$root/usr/bin/autorun" /no/such/disc >/dev/null 2>&1) || status=$?
[ "$status" -eq 1 ] || fail "autorun on a missing disc: status $status, not 1"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all package checks passed"
