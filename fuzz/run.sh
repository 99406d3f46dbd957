#!/usr/bin/env bash
# Runs the fuzz targets of a build made with -DSHINO_FUZZ=ON, each for a
# bounded time over its corpus.
#
#   fuzz/run.sh <build folder> [seconds per target, default 20] [target ...]
#
# A target's corpus, <build>/fuzz/corpus/<target>, starts from its seeds (the
# shipped files of <build>/package and the crafted files of tests/data/hostile
# named in fuzz/CMakeLists.txt) and keeps what the runs add. A crash, a
# sanitizer report, a broken property or an input that runs longer than
# FUZZ_TIMEOUT seconds (a hang) fails the run; the input is kept as
# <build>/fuzz/crash-<target>-* (or timeout-/oom-).
#
# The mutations follow FUZZ_SEED (default 1), so a run repeats the one before
# it on the same corpus and a failure can be replayed; FUZZ_SEED=0 lets each
# run pick its own seed, which long campaigns want.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: fuzz/run.sh <build folder> [seconds] [target ...]}" && pwd)
seconds=${2:-20}
shift $(($# < 2 ? $# : 2))
timeout=${FUZZ_TIMEOUT:-10}
mutation_seed=${FUZZ_SEED:-1}
hostile=$here/tests/data/hostile
package=${FUZZ_PACKAGE_DIR:-$build/package}

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in "$build"/fuzz/*.seeds; do
    targets+=("$(basename "$seeds" .seeds)")
  done
fi
[ ${#targets[@]} -gt 0 ] || { echo "fuzz: no targets in $build/fuzz (configure with -DSHINO_FUZZ=ON)" >&2; exit 1; }

# The targets' scratch files stay inside the build folder.
export TMPDIR=$build/fuzz/tmp
mkdir -p "$TMPDIR"
# Leaks are looked for by the sanitizer test suite; here each input is checked for memory errors and hangs.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen

failed=()
for name in "${targets[@]}"; do
  corpus=$build/fuzz/corpus/$name
  mkdir -p "$corpus"
  while IFS= read -r seed; do
    case $seed in
      package:*) root=$package pattern=${seed#package:} ;;
      hostile:*) root=$hostile pattern=${seed#hostile:} ;;
      *) continue ;;
    esac
    [ -d "$root" ] || continue
    (
      cd "$root"
      shopt -s nullglob nocaseglob
      for file in $pattern; do
        [ -f "$file" ] && cp -f "$file" "$corpus/seed-${file//\//_}"
      done
    )
  done <"$build/fuzz/$name.seeds"
  log=$build/fuzz/$name.log
  started=$(date +%s)
  if "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout="$timeout" -seed="$mutation_seed" -rss_limit_mb=2560 \
      -print_final_stats=1 -artifact_prefix="$build/fuzz/" "$corpus" >"$log" 2>&1; then
    verdict=ok
  else
    verdict=FAILED
    failed+=("$name")
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  files=$(find "$corpus" -type f | wc -l)
  printf 'fuzz %-16s %-6s %4ss  %10s runs  corpus %5s files\n' "$name" "$verdict" "$(($(date +%s) - started))" "$runs" "$files"
  if [ "$verdict" != ok ]; then
    grep -E 'ERROR|SUMMARY|property violated|timeout|Test unit written' "$log" | head -20 || true
  fi
  rm -rf "${TMPDIR:?}"/shino-fuzz-*
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: failed: ${failed[*]} (logs in $build/fuzz)" >&2
  exit 1
fi
