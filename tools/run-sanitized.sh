#!/usr/bin/env bash
# Builds the whole package and its tests with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the fuzz targets, runs the test suite
# offscreen, then every fuzz target for FUZZ_SECONDS (default 20) over its
# corpus. A failing test, a sanitizer report (every report aborts) or a
# fuzzing crash or hang fails the run.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${SHINO_SANITIZE_DIR:-$here/build-asan}
"$here/tools/bootstrap.sh"
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# Warnings are errors in the gcc build; clang's own warnings are not made errors here.
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DSHINO_SANITIZE=ON -DSHINO_FUZZ=ON "${launcher[@]}"
cmake --build "$build" -j2

# Leak checking stays on; only leaks inside Qt Multimedia and FFmpeg are
# suppressed (tools/lsan-suppressions.txt says why).
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/tools/lsan-suppressions.txt:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600)
env -u ASAN_OPTIONS "$here/fuzz/run.sh" "$build" "${FUZZ_SECONDS:-20}"
