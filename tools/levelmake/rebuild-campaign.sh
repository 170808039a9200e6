#!/bin/sh
# Rebuilds every level file from its map and every route from its macro.
# usage: tools/levelmake/rebuild-campaign.sh BUILD_DIR [N...]
set -u
build=$1; shift
here=$(cd "$(dirname "$0")/../.." && pwd)
levels=$here/data/levels
numbers=${*:-$(ls "$levels/src" | sed -n 's/^level\([0-9]*\)\.txt$/\1/p' | sort -n)}
status=0
for n in $numbers; do
  "$build/levelmake" build "$levels/src/level$n.txt" "$levels/level$n" || { status=1; continue; }
  if [ -f "$levels/routes/level$n.macro" ]; then
    "$build/levelmake" route "$levels/level$n" "$levels/routes/level$n.macro" "$levels/routes/level$n.route" || status=1
  else
    echo "level$n: no route macro"; status=1
  fi
done
exit $status
