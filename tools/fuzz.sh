#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60)
# from the seed corpus in tests/fuzz/corpus (new finds go to build-fuzz/corpus).
# An input that takes longer than 2 seconds is a finding (a reader that is not
# linear shows up as one); the profile target takes inputs up to 1 MB, so that
# large configuration files are tried too.
# Usage: tools/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${FUZZ_BUILD:-build-fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DAUTORUN_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" >"$build.log" 2>&1 || { tail -30 "$build.log"; exit 1; }
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
status=0
for target in profile cursor picture disc keyframes; do
  mkdir -p "$build/corpus/$target"
  log="$build/fuzz_$target.log"
  max_len=65536
  [ "$target" = profile ] && max_len=1048576
  [ "$target" = disc ] && max_len=262144  # a small ISO is some 35 sectors
  if "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=2 -print_final_stats=1 \
      -artifact_prefix="$build/fuzz_$target-" "$build/corpus/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    echo "fuzz_$target: ${seconds}s, $runs inputs, no finding"
  else
    echo "fuzz_$target: FINDING (see $log)"
    grep -E 'ERROR|SUMMARY|artifact|Test unit written' "$log" | head -20
    status=1
  fi
done
exit $status
