#!/usr/bin/env bash
# The window opens at 500 x 500, or at the size -geometry gives, and the title
# screen fills it: both ends of the title image, stretched over the whole
# window, show near its left and right edges. (Full screen: frame_loop_gl_test.)
source "$(dirname "$0")/lib.sh"
start_display

# Bright pixels in the box of percentages x0 y0 x1 y1 of a W x H shot.
bright_pixels() {
  count_pixels "$1" "$((($6 - $4) * $2 / 100))x$((($7 - $5) * $3 / 100))+$(($4 * $2 / 100))+$(($5 * $3 / 100))" '(r + g + b) / 3 > 0.25'
}

# check_window <shot> <W> <H> [arguments...]: the game started with the arguments
# opens at W x H, and the first and last letters of the title's logo show: a
# fifth of what they show at 640 x 400 (1479 and 1845 pixels) is the least.
check_window() {
  local name="$1" width="$2" height="$3" size left right
  start_game "$game_binary" "${@:4}"
  size=$(xwininfo -id "$window_id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
  check "\"$size\" == \"${width}x$height\"" "$name: the window opens at $size, not ${width}x$height"
  left=$(wait_for "$name" "v > 300" bright_pixels "$width" "$height" 5 15 15 30)
  right=$(bright_pixels "$name" "$width" "$height" 85 15 93 30)
  check "$left > 300 && $right > 300" "$name, ${width}x$height: the logo's ends show ($left left, $right right bright pixels)"
}

check_window default 500 500
stop_game default
check_window geometry 640 400 -geometry 640x400
finish
