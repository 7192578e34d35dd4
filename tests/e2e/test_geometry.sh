#!/usr/bin/env bash
# The window opens at 500 x 500, or at the size -geometry gives, and the title
# screen fills it: both ends of the title image, stretched over the whole
# window, show near its left and right edges. (Full screen: frame_loop_gl_test.)
source "$(dirname "$0")/lib.sh"

start_display

window_size() { xwininfo -id "$window_id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }

# Bright pixels in the box of fractions x0 y0 x1 y1 of a W x H shot.
bright_pixels() {
  local name="$1" width="$2" height="$3" region
  region=$(awk -v w="$width" -v h="$height" -v a="$4" -v b="$5" -v c="$6" -v d="$7" \
    'BEGIN { printf "%dx%d+%d+%d", (c - a) * w, (d - b) * h, a * w, b * h }')
  count_pixels "$name" "$region" '(r + g + b) / 3 > 0.25'
}

# The first and last letters of the title's logo: a fifth of what they show
# at 640 x 400 (1479 and 1845 pixels) is the least a drawn logo gives.
# check_fills <shot> <width> <height>
check_fills() {
  local name="$1" width="$2" height="$3" left right
  left=$(wait_for "$name" "v > 300" bright_pixels "$width" "$height" 0.05 0.15 0.15 0.30)
  right=$(bright_pixels "$name" "$width" "$height" 0.85 0.15 0.93 0.30)
  check "$left > 300 && $right > 300" "$name, ${width}x$height: the logo's ends show ($left left, $right right bright pixels)"
}

start_game "$game_binary"
size=$(window_size)
check "\"$size\" == \"500x500\"" "the window opens at 500 x 500, not $size"
check_fills default 500 500
kill "$game_pid"
expect_end "signal 15" 20 "SIGTERM"

start_game "$game_binary" -geometry 640x400
size=$(window_size)
check "\"$size\" == \"640x400\"" "-geometry 640x400 opens the window at $size"
check_fills geometry 640 400
finish
