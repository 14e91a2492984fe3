#!/usr/bin/env bash
# The long soak: 1,000 menu -> lesson -> menu cycles on the simulated platform
# and CYCLES (default 50) on libmpv with real short clips, printing the open
# file descriptors and resident memory before and after (the test suite runs
# 10 on libmpv).
# Usage: tools/soak.sh [CYCLES]
set -euo pipefail
cd "$(dirname "$0")/.."
cycles=${1:-50}
build=${SOAK_BUILD:-build}
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target hardening_soak_tests >"$build/soak-build.log" 2>&1 || { tail -30 "$build/soak-build.log"; exit 1; }
QT_QPA_PLATFORM=offscreen AUTORUN_SOAK_CYCLES="$cycles" "$build/tests/hardening/hardening_soak_tests"
