#!/usr/bin/env bash
# Plays a level for a while and reports the game's CPU use, under a virtual
# X server when one can be started (else headless).
#   scripts/measure-game-cpu.sh [level] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${TAMB_CPU_BUILD:-build/release}
cmake -G Ninja -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DTAMB_BENCH=OFF >/dev/null
cmake --build "$BUILD" --parallel "${TAMB_JOBS:-2}" --target game_cpu_probe tamb_gamedata
probe=("$BUILD/tests/game/game_cpu_probe" "$BUILD/gamedata" "${1:-1}" "${2:-10}")
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" "${probe[@]}"
fi
QT_QPA_PLATFORM=offscreen "${probe[@]}"
