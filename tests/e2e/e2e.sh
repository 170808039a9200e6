#!/usr/bin/env bash
# Plays the real game in a real (virtual) X window: start, menu, New Game,
# a few moves on level 1, Space back to the menu, Exit.
#   e2e.sh TAMB_BINARY GAMEDATA_DIR LEVELS_DIR OUT_DIR
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick are missing.
# Screenshots and the game's output are kept in OUT_DIR.
set -euo pipefail
BIN=$1 DATA=$2 LEVELS=$3 OUT=$4
HERE=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool import convert; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/deps.sh installs it)"
    exit 77
  fi
done
# Under the sanitizer builds everything is slower.
SLOW=${TAMB_E2E_SLOW:-1}
mkdir -p "$OUT"
rm -f "$OUT"/*.png
# The whole run's output is kept next to the screenshots.
exec > >(tee "$OUT/e2e.log") 2>&1
source "$HERE/pixels.sh"

GAME=$(mktemp -d)
XVFB_PID="" TAMB_PID=""
cleanup() {
  [ -n "$TAMB_PID" ] && kill "$TAMB_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$GAME"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*"
  shot "$OUT/failure.png" || true
  echo "--- game output ---"; cat "$OUT/tamb.log" 2>/dev/null || true
  exit 1
}

# A game folder as a player has it.
mkdir -p "$GAME/graphics" "$GAME/Sound" "$GAME/levels"
cp "$DATA"/graphics/* "$GAME/graphics/"
cp "$DATA"/Sound/* "$GAME/Sound/" 2>/dev/null || true
for f in "$LEVELS"/level*; do [ -f "$f" ] && cp "$f" "$GAME/levels/"; done

# Our own X server; it names its display once it is ready.
DISPLAY_FILE="$GAME/.display"
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$DISPLAY_FILE" 2>"$OUT/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$DISPLAY_FILE" ] && break; sleep 0.1; done
[ -s "$DISPLAY_FILE" ] || fail "Xvfb did not start"
sleep 0.1  # the number may still be being written
export DISPLAY=":$(head -n1 "$DISPLAY_FILE")"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "the X server on $DISPLAY does not answer"
export QT_QPA_PLATFORM=xcb
echo "display $DISPLAY, game folder $GAME"

START_NS=$(date +%s%N)
(cd "$GAME" && exec "$BIN") >"$OUT/tamb.log" 2>&1 &
TAMB_PID=$!

# The menu: the title comes letter by letter, the buttons after it.
wait_for "menu buttons" $((40 * SLOW)) menu_buttons_shown || fail "the menu's buttons never showed"
echo "menu buttons after $(( ($(date +%s%N) - START_NS) / 1000000 )) ms"
cp "$SHOT" "$OUT/01-menu.png"

# New Game with the mouse.
xdotool mousemove 319 216 click 1
wait_for "level 1" $((20 * SLOW)) level_shown || fail "level 1 never showed"
cp "$SHOT" "$OUT/02-level1.png"
man_at $LEVEL1_START || fail "the man is not at his start on level 1"
devil_at 550 10 60 60 || fail "the devil is not in its cage on level 1"
label_before=$(region_hash "$SHOT" 0 440 642 42)

# Walk right along the top floor: he leaves his start and picks up a treasure.
# The first key may come while the preparation screen is still handing the
# keyboard back; a second press must move him.
sleep 0.5
for attempt in 1 2 3; do
  xdotool keydown Right
  sleep 1.5
  xdotool keyup Right
  sleep 0.5
  shot "$SHOT"
  man_at $LEVEL1_START || break
  echo "attempt $attempt: the man is still at his start"
  [ "$attempt" -lt 2 ] || fail "the man did not leave his start"
done
cp "$SHOT" "$OUT/03-walked.png"
man_at 330 50 300 100 || fail "the man is not further right on the floor"
[ "$(region_hash "$SHOT" 0 440 642 42)" != "$label_before" ] || fail "the status panel did not change after treasures"

# Back left, and fire (the floor is unbreakable: nothing may break).
xdotool keydown Left; sleep 0.5; xdotool keyup Left
xdotool keydown ctrl; sleep 0.3; xdotool keyup ctrl
kill -0 "$TAMB_PID" 2>/dev/null || fail "the game ended while playing"

# Space leaves the game for the menu.
xdotool key space
wait_for "menu again" $((20 * SLOW)) menu_buttons_shown || fail "Space did not bring the menu back"
cp "$SHOT" "$OUT/04-menu-again.png"

# Exit ends the program by itself, with status 0.
xdotool mousemove 319 376 click 1
for _ in $(seq $((100 * SLOW))); do kill -0 "$TAMB_PID" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$TAMB_PID" 2>/dev/null; then fail "the game did not end after Exit"; fi
set +e; wait "$TAMB_PID"; status=$?; set -e
TAMB_PID=""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
echo "PASSED: menu, level 1, walking, treasures, Space, Exit (screenshots in $OUT)"
