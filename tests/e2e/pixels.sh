# Screenshot helpers for e2e.sh (sourced). Regions are x y w h in screen
# pixels; the game's windows stand at the top-left corner.
SHOT="$OUT/current.png"

shot() { import -display "$DISPLAY" -window root "$1" 2>/dev/null; }

# Mean brightness 0..1 of a region.
mean_of() { convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -format "%[fx:mean]" info:; }

# How many pixels of a region lie near a colour.
count_near() {
  convert "$1" -crop "$5x$6+$3+$4" +repage -alpha off -fuzz 12% -fill black +opaque "$2" \
    -fill white -opaque "$2" -colorspace Gray -format "%[fx:round(mean*w*h)]" info:
}

region_hash() { convert "$1" -crop "$4x$5+$2+$3" +repage -alpha off rgb:- | md5sum | cut -d' ' -f1; }

above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# wait_for NAME SECONDS CHECK: screenshots every 0.25 s until CHECK passes.
wait_for() {
  local name=$1 limit=$2 check=$3 t0=$SECONDS
  while [ $((SECONDS - t0)) -lt "$limit" ]; do
    kill -0 "$TAMB_PID" 2>/dev/null || fail "the game ended while waiting for $name"
    if shot "$SHOT" && "$check"; then return 0; fi
    sleep 0.25
  done
  return 1
}

# The sky-blue panel behind the five buttons, and the New Game button on it.
menu_buttons_shown() {
  above "$(mean_of "$SHOT" 215 192 209 210)" 0.2 && above "$(mean_of "$SHOT" 223 200 193 33)" 0.1
}

# Level 1: edge bricks along the top row, the status panel below the arena,
# the man at his start in the middle of the top floor.
LEVEL1_START="290 60 40 40"
level_shown() {
  above "$(mean_of "$SHOT" 0 0 640 20)" 0.1 && above "$(mean_of "$SHOT" 0 440 642 42)" 0.05 &&
    man_at $LEVEL1_START
}

# The figures' colours, as the art defines them.
FIGURES=${TAMB_FIGURES:-$(dirname "${BASH_SOURCE[0]}")/../../assets/sprites/figures.txt}
figure_colour() {  # figure_colour STYLE PART
  awk -v s="$1" -v p="$2" '$1 == "style" { in_s = ($2 == s) } in_s && $1 == p { print $2; exit }' "$FIGURES"
}
MAN_BODY=$(figure_colour man body)
DEVIL_BODY=$(figure_colour devil body)
man_at() { [ "$(count_near "$SHOT" "${MAN_BODY:-#20d0ff}" "$@")" -ge 3 ]; }
devil_at() { [ "$(count_near "$SHOT" "${DEVIL_BODY:-#e82818}" "$@")" -ge 3 ]; }
