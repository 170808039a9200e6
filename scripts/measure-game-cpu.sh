#!/usr/bin/env bash
# Plays a level for a while and reports the game's CPU use, under a virtual
# X server when one can be started and headless. The machine's own noise is
# large (a third either way on a shared virtual machine), so the probe runs
# several times and the median counts.
#   scripts/measure-game-cpu.sh [level] [seconds] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${TAMB_CPU_BUILD:-build/cpu}
cmake -G Ninja -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DTAMB_BENCH=ON >/dev/null
cmake --build "$BUILD" --parallel "${TAMB_JOBS:-2}" --target game_cpu_probe tamb_gamedata
level=${1:-1} seconds=${2:-20} runs=${3:-3}
probe=("$BUILD/bench/perf/game_cpu_probe" "$BUILD/gamedata" "$level" "$seconds")

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure() {
  local platform=$1 readings=()
  for _ in $(seq "$runs"); do
    local line
    if [ "$platform" = xcb ]; then
      line=$(QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" "${probe[@]}" 2>/dev/null | head -1)
    else
      line=$(QT_QPA_PLATFORM=offscreen "${probe[@]}" 2>/dev/null | head -1)
    fi
    echo "  $line"
    readings+=("$(sed -n 's/.*= \([0-9.]*\)% of one core.*/\1/p' <<<"$line")")
  done
  echo "level $level, $platform: median $(printf '%s\n' "${readings[@]}" | median) % of one core over $runs runs"
}

if command -v xvfb-run >/dev/null; then measure xcb; fi
measure offscreen
