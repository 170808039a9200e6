#!/usr/bin/env bash
# Prepares the player's game folder and starts the game in it:
#   tamb-launch.sh BINARY GAMEDATA
# graphics/ and Sound/ are refreshed from the build on every start; shipped
# levels (and their routes) are copied only where the player has no file of
# that name, so a player's own or edited level is never overwritten; tamb.cfg
# is the game's.
set -euo pipefail
BIN=$1
DATA=$2
GAME_DIR="${XDG_DATA_HOME:-$HOME/.local/share}/tamb"
mkdir -p "$GAME_DIR/levels" "$GAME_DIR/graphics" "$GAME_DIR/Sound"
cp -f "$DATA"/graphics/* "$GAME_DIR/graphics/"
cp -f "$DATA"/Sound/* "$GAME_DIR/Sound/"
if [ -d "$DATA/levels" ]; then
  for f in "$DATA"/levels/level*; do
    [ -e "$f" ] || continue
    case "$f" in *.route) continue ;; esac
    [ -e "$GAME_DIR/levels/$(basename "$f")" ] || cp "$f" "$GAME_DIR/levels/"
  done
  # A level's route goes with it on the same terms; the game checks a route
  # against the level before it shows it.
  if [ -d "$DATA/levels/routes" ]; then
    mkdir -p "$GAME_DIR/levels/routes"
    for f in "$DATA"/levels/routes/*.route; do
      [ -e "$f" ] || continue
      [ -e "$GAME_DIR/levels/routes/$(basename "$f")" ] || cp "$f" "$GAME_DIR/levels/routes/"
    done
  fi
fi
cd "$GAME_DIR"
exec "$BIN"
