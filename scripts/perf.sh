#!/usr/bin/env bash
# Performance figures of the game (see bench/RESULTS.md), all with public
# tools: a Release build, Xvfb + xdotool + ImageMagick for the real window,
# /proc for CPU time and memory, Google Benchmark for the costs.
#   scripts/perf.sh            results in build/perf/results.txt
#   TAMB_PERF_SECONDS=20       length of the CPU sample while playing
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
BUILD=${TAMB_PERF_BUILD:-build/perf}
SECS=${TAMB_PERF_SECONDS:-20}
LEVEL=$PWD/bench/perf/level-15-devils
cmake -G Ninja -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DTAMB_BENCH=ON >/dev/null
targets=(tamb tamb_gamedata tamb_bench tamb_tick_jitter)
[ -f src/app/ArenaPainter.h ] && targets+=(tamb_draw_bench)
cmake --build "$BUILD" --parallel "${TAMB_JOBS:-2}" --target "${targets[@]}"
BIN=$PWD/$BUILD/src/app/tamb
OUT=$PWD/$BUILD/shots
RESULTS=$PWD/$BUILD/results.txt
mkdir -p "$OUT"
: >"$RESULTS"
say() { echo "$*" | tee -a "$RESULTS"; }

say "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), load $(cut -d' ' -f1-3 /proc/loadavg)"
say "date: $(date -u +%Y-%m-%dT%H:%MZ), commit $(git rev-parse --short HEAD)"

GAME=$(mktemp -d)
XVFB_PID="" TAMB_PID=""
cleanup() {
  [ -n "$TAMB_PID" ] && kill "$TAMB_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$GAME"
}
trap cleanup EXIT
fail() { echo "perf: $*" >&2; exit 1; }
source tests/e2e/pixels.sh

mkdir -p "$GAME/graphics" "$GAME/Sound" "$GAME/levels"
cp "$BUILD"/gamedata/graphics/* "$GAME/graphics/"
cp "$BUILD"/gamedata/Sound/* "$GAME/Sound/" 2>/dev/null || true
cp "$LEVEL" "$GAME/levels/level1"

Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$GAME/.display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$GAME/.display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$GAME/.display")" QT_QPA_PLATFORM=xcb

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
HZ=$(getconf CLK_TCK)
ms_since() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }

# The title's letters are the first thing the menu shows.
title_shown() { above "$(mean_of "$SHOT" 140 30 360 50)" 0.01; }

for run in 1 2 3; do
  START=$(date +%s%N)
  (cd "$GAME" && exec "$BIN") >"$OUT/tamb-$run.log" 2>&1 &
  TAMB_PID=$!
  wait_for "menu" 30 title_shown || fail "no menu"
  shown=$(ms_since "$START")
  wait_for "menu buttons" 30 menu_buttons_shown || fail "no menu buttons"
  ready=$(ms_since "$START")
  say "start-up run $run: menu shown after $shown ms, buttons up after $ready ms"
  if [ "$run" -lt 3 ]; then kill "$TAMB_PID"; wait "$TAMB_PID" 2>/dev/null || true; TAMB_PID=""; fi
done

# Idle in the menu.
t0=$(cpu_ticks "$TAMB_PID"); sleep 10; t1=$(cpu_ticks "$TAMB_PID")
say "menu idle: $(awk -v d=$((t1 - t0)) -v hz="$HZ" 'BEGIN { printf "%.2f", 100 * d / hz / 10 }')% of one core over 10 s"

# Play the 15-devil level at speed 100 (the default): the man walks to and
# fro on his platform while the devils hunt below.
xdotool mousemove 319 216 click 1
level_up() { above "$(mean_of "$SHOT" 0 0 640 20)" 0.1 && above "$(mean_of "$SHOT" 0 440 642 42)" 0.05; }
wait_for "level" 20 level_up || fail "the level never showed"
sleep 2
cp "$SHOT" "$OUT/level-15-devils.png"
t0=$(cpu_ticks "$TAMB_PID"); w0=$(date +%s%N)
end=$((SECONDS + SECS)); key=Right
while [ $SECONDS -lt $end ]; do
  xdotool keydown $key; sleep 1.9; xdotool keyup $key
  [ $key = Right ] && key=Left || key=Right
done
t1=$(cpu_ticks "$TAMB_PID"); wall=$(ms_since "$w0")
shot "$OUT/level-15-devils-after.png"
cpu=$(awk -v d=$((t1 - t0)) -v hz="$HZ" -v w="$wall" 'BEGIN { printf "%.2f", 100 * d / hz / (w / 1000) }')
say "playing 15 devils at speed 100: ${cpu}% of one core over $((wall / 1000)) s (target 1%: ratio $(awk -v c="$cpu" 'BEGIN { printf "%.2f", c / 1 }'))"
say "peak memory: $(awk '/VmHWM/ { print $2, $3 }' "/proc/$TAMB_PID/status")"

xdotool key space
wait_for "menu again" 20 menu_buttons_shown || fail "Space did not return to the menu"
xdotool mousemove 319 376 click 1
for _ in $(seq 100); do kill -0 "$TAMB_PID" 2>/dev/null || break; sleep 0.1; done
set +e; wait "$TAMB_PID"; say "game ended with status $?"; set -e
TAMB_PID=""

say "--- game thread tick jitter (15 devils, speed 100) ---"
QT_QPA_PLATFORM=offscreen "$BUILD/bench/perf/tamb_tick_jitter" "$LEVEL" 500 100 2>/dev/null | tee -a "$RESULTS"
say "--- rules and drawing costs ---"
"$BUILD/bench/tamb_bench" --benchmark_filter='RunTick|KirpTick|AnimationTick' 2>/dev/null | tee -a "$RESULTS"
if [ -x "$BUILD/bench/perf/tamb_draw_bench" ]; then
  QT_QPA_PLATFORM=offscreen "$BUILD/bench/perf/tamb_draw_bench" 2>/dev/null | tee -a "$RESULTS"
fi
echo "results in $RESULTS"
