#!/bin/sh
# Redraws the pictures in docs/levels and rewrites the table of figures.
# usage: tools/levelmake/document-campaign.sh BUILD_DIR [N...]
set -u
build=$1; shift
here=$(cd "$(dirname "$0")/../.." && pwd)
levels=$here/data/levels
docs=$here/docs/levels
all=$(ls "$levels" | sed -n 's/^level\([0-9]*\)$/\1/p' | sort -n)
numbers=${*:-$all}
status=0
for n in $numbers; do
  "$build/tamb-render" "$levels/level$n" "$docs/level$n.png" 2>/dev/null || { echo "level$n: no picture"; status=1; }
done
files=$(for n in $all; do printf '%s ' "$levels/level$n"; done)
{
  echo "# Campaign figures"
  echo
  echo "Written by \`tools/levelmake/document-campaign.sh\` from \`levelmake stats\`: the share of the"
  echo "interior (rows 1-20, columns 1-30) that is filled, the largest empty rectangle, treasures,"
  echo "devils that can reach the man's part of the arena, whether a devil back at its door can,"
  echo "how soon a man who never moves dies, whether holding arrows wins, the route's length at"
  echo "speed 100 and the mechanics it uses (of those in the map), the most alike other level,"
  echo "and the checklist items the level misses."
  echo
  # shellcheck disable=SC2086
  "$build/levelmake" stats $files --markdown | grep -v '^level[0-9]*: criterion'
} > "$docs/figures.md" || status=1
exit $status
