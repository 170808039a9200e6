#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UBSan) and runs
# each for a bounded time from the seed corpus in fuzz/corpus/.
#   scripts/fuzz.sh [target...]       (default: every target)
#   TAMB_FUZZ_SECONDS=60              time per target
#   TAMB_FUZZ_MERGE=1                 afterwards merge what a clean run found
#                                     into fuzz/corpus/<target> (to commit)
# A crash fails the run; its input is kept in fuzz/regressions/<target>/,
# which the replay tests of the normal build run from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
TAMB_WITH_FUZZ=1 scripts/deps.sh
BUILD=${TAMB_FUZZ_BUILD:-build/fuzz}
SECONDS_EACH=${TAMB_FUZZ_SECONDS:-60}
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=(game_level editor_level config text_lines)

CXX=clang++ cmake -G Ninja -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DTAMB_FUZZ=ON -DTAMB_BENCH=OFF >/dev/null
cmake --build "$BUILD" --parallel "${TAMB_JOBS:-2}" --target "${TARGETS[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:${UBSAN_OPTIONS:-}"
failed=()
for t in "${TARGETS[@]}"; do
  work="$BUILD/work/$t"
  artifacts="$BUILD/artifacts/$t"
  mkdir -p "$work" "$artifacts"
  rm -f "$artifacts"/*
  echo "== fuzz $t for ${SECONDS_EACH}s =="
  # The seed corpus is read, never written: new finds go to the work folder.
  if "$BUILD/fuzz/fuzz_$t" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$t" \
       >"$BUILD/work/$t.log" 2>&1; then
    grep -E "^(Done|stat::number_of_executed_units|stat::peak_rss_mb)" "$BUILD/work/$t.log" || true
    grep -E "^#[0-9]+.*DONE" "$BUILD/work/$t.log" | tail -n 1 || true
    if [ "${TAMB_FUZZ_MERGE:-0}" = 1 ]; then
      # Only inputs that add coverage join the seed corpus.
      "$BUILD/fuzz/fuzz_$t" -merge=1 -timeout=10 -rss_limit_mb=2048 "fuzz/corpus/$t" "$work" \
        >"$BUILD/work/$t.merge.log" 2>&1
      grep -E "MERGE-OUTER: [0-9]+ new files" "$BUILD/work/$t.merge.log" || true
    fi
  else
    tail -n 40 "$BUILD/work/$t.log"
    mkdir -p "fuzz/regressions/$t"
    for a in "$artifacts"/*; do
      [ -e "$a" ] || continue
      cp "$a" "fuzz/regressions/$t/$(basename "$a")"
      echo "kept fuzz/regressions/$t/$(basename "$a")"
    done
    failed+=("$t")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]}"
  exit 1
fi
echo "fuzzing: no faults in ${TARGETS[*]}"
