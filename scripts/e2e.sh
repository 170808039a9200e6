#!/usr/bin/env bash
# Builds the game and plays it end to end in a virtual X window
# (tests/e2e/e2e.sh); screenshots go to build/e2e/tests/e2e/shots/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
BUILD=${TAMB_E2E_BUILD:-build/e2e}
cmake -G Ninja -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMB_BENCH=OFF >/dev/null
cmake --build "$BUILD" --parallel "${TAMB_JOBS:-2}" --target tamb tamb_gamedata
exec tests/e2e/e2e.sh "$BUILD/src/app/tamb" "$BUILD/gamedata" data/levels "$BUILD/tests/e2e/shots"
