# Picture comparison for compare-under-wine.sh, with ImageMagick.

# Largest channel difference of two pictures in 8-bit steps, or "size" when their
# sizes differ, or "missing".
max_channel_difference() {
  [ -s "$1" ] && [ -s "$2" ] || { echo missing; return; }
  [ "$(identify -format %wx%h "$1")" = "$(identify -format %wx%h "$2")" ] || { echo size; return; }
  # PAE prints the peak error as "quantum (fraction)"; the fraction scales to 0..255.
  compare -metric PAE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p' |
    awk '{ printf "%d\n", $1 * 255 + 0.5 }'
}

# Blacks out the time of day of the info block's clock (bottom right), which moves on
# between the two runs; its frame digits are still compared.
mask_clock_time() {
  local width height left top right bottom
  read -r width height <<<"$(identify -format '%w %h' "$1")"
  left=$((width * CLOCK_TIME_LEFT / 1000)) right=$((width * CLOCK_TIME_RIGHT / 1000))
  top=$((height * (1000 - CLOCK_TOP) / 1000)) bottom=$((height * (1000 - CLOCK_BOTTOM) / 1000))
  convert "$1" -fill black -draw "rectangle $left,$top $right,$bottom" "$2"
}
# The box of "HH:MM:SS" in thousandths of the output, x from the left, y from the bottom.
CLOCK_TIME_LEFT=715 CLOCK_TIME_RIGHT=806 CLOCK_BOTTOM=35 CLOCK_TOP=66

compare_scene() {
  local name=$1 linux=$2 windows=$3 tolerance=$4 difference
  if [ -s "$linux" ] && [ -s "$windows" ]; then
    mask_clock_time "$linux" "${linux%.png}-masked.png"
    mask_clock_time "$windows" "${windows%.png}-masked.png"
    difference=$(max_channel_difference "${linux%.png}-masked.png" "${windows%.png}-masked.png")
  else
    difference=missing
  fi
  if [[ "$difference" =~ ^[0-9]+$ ]] && [ "$difference" -le "$tolerance" ]; then
    pass "scene $name: max channel difference $difference"
  else
    fail "scene $name: max channel difference $difference (tolerance $tolerance)"
  fi
}
