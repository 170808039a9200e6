#!/usr/bin/env bash
# Builds the game-thread tests with ThreadSanitizer and runs them.
# Qt is not instrumented; reports from inside Qt alone are suppressed, our
# own code must be clean.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${TAMB_TSAN_BUILD:-build/tsan}
TARGETS=(game_thread_test game_keyboard_test whole_game_test app_forms_test help_window_test)
# The build runs instrumented tools too (the asset generator).
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/scripts/tsan.supp ${TSAN_OPTIONS:-}"
cmake -G Ninja -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DTAMB_TSAN=ON -DTAMB_BENCH=OFF >/dev/null
cmake --build "$BUILD" --parallel "${TAMB_JOBS:-2}" --target "${TARGETS[@]}"
export QT_QPA_PLATFORM=offscreen
for t in "${TARGETS[@]}"; do
  echo "== $t under ThreadSanitizer =="
  "$(find "$BUILD/tests" -type f -name "$t" | head -n 1)"
done
