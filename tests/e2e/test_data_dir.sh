#!/usr/bin/env bash
# --data-dir, then VELTRANE_DATA_DIR, come before the built-in folders (a copy
# with a red title shows red); a named folder without the data exits 2 naming
# it. With no data anywhere (the sanitizer build, which has no folder of its
# own, started in an empty one) the game starts black and silent, says why on
# standard error and atop the title screen, and `q` still exits 0.
source "$(dirname "$0")/lib.sh"
require_asan_game
start_display

mod_dir="$shot_dir/mod.$$"
empty_dir="$shot_dir/empty.$$"
rm -rf "$mod_dir" "$empty_dir"
mkdir -p "$mod_dir" "$empty_dir"
trap 'cleanup; rm -rf "$end_report"* "$mod_dir" "$empty_dir"' EXIT
for file in "$(readlink -f "$data_dir")"/*; do [ "${file##*/}" = title.ppm ] || ln -s "$file" "$mod_dir/"; done
convert -size 64x64 xc:red -depth 8 "ppm:$mod_dir/title.ppm"

# refused <what> <command...>: ends with status 2, naming the empty folder.
refused() {
  local status=0
  timeout 20 "${@:2}" >"$shot_dir/refused.log" 2>&1 || status=$?
  check "$status == 2" "$1: status $status"
  grep -qF "$empty_dir" "$shot_dir/refused.log" || mark_failed "$1: the message does not name $empty_dir"
}
refused "--data-dir without the data" "$game_binary" --data-dir "$empty_dir"
refused "VELTRANE_DATA_DIR without the data" env VELTRANE_DATA_DIR="$empty_dir" "$game_binary"
refused "--data-dir before VELTRANE_DATA_DIR" env VELTRANE_DATA_DIR="$mod_dir" "$game_binary" --data-dir "$empty_dir"

# shows_red <what> <command...>: the red title image fills the window; the real one leaves its corner black.
shows_red() {
  local red
  start_game "${@:2}"
  red=$(wait_for red_title "v > 2000" red_pixels 50x50+450+0)
  check "$red > 2000" "$1's title image shows ($red red pixels of 2500)"
  stop_game "$1"
}
shows_red VELTRANE_DATA_DIR env VELTRANE_DATA_DIR="$mod_dir" "$game_binary"
shows_red --data-dir env VELTRANE_DATA_DIR="$empty_dir" "$game_binary" --data-dir="$mod_dir"

# The notice's letters: white pixels in the window's top 60 rows. A title
# drawn as one plain white sheet (an image that failed to load) is no notice.
white_pixels() { count_pixels "$1" 500x60+0+0 'r > 0.8 && g > 0.8 && b > 0.8'; }
data_dir="$empty_dir"  # start_game starts the game here
start_game env ASAN_OPTIONS=detect_leaks=0 "$asan_game"
white=$(wait_for no_data "v > 200 && v < 6000" white_pixels)
check "$white > 200 && $white < 6000" "the title shows the notice's letters ($white white pixels of 30000 at the top)"
grep -q "no game data found" "$shot_dir/game.log" || mark_failed "no line on standard error says the data is missing"
tap q
expect_end "exit 0" 60 "q without data"
no_sanitizer_report "q without data"
finish ended
