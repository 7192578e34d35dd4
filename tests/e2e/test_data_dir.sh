#!/usr/bin/env bash
# A data folder named by --data-dir or VELTRANE_DATA_DIR comes before the
# built-in ones (a modder's copy with a red title image shows red), the command
# line before the environment; a named folder without the data is an error:
# status 2 and a line naming it. Without data anywhere the game still starts,
# black and silent, and says why: one line on standard error and the same words
# at the top of the title screen; `q` still ends it with status 0. The sanitizer
# build has no data folder of its own, so started in an empty folder it finds
# none (and a bad read of a missing file shows up too).
source "$(dirname "$0")/lib.sh"
require_asan_game

start_display
absolute_data="$(readlink -f "$data_dir")"
mod_dir="$shot_dir/mod.$$"
empty_dir="$shot_dir/empty.$$"
rm -rf "$mod_dir" "$empty_dir"
mkdir -p "$mod_dir" "$empty_dir"
trap 'cleanup; rm -rf "$end_report"* "$mod_dir" "$empty_dir"' EXIT
for file in "$absolute_data"/*; do ln -s "$file" "$mod_dir/"; done
rm "$mod_dir/title.ppm"
convert -size 64x64 xc:red -depth 8 "ppm:$mod_dir/title.ppm"

# refused <what> <command...>: ends with status 2, naming the empty folder.
refused() {
  local what="$1" status=0
  shift
  timeout 20 "$@" >"$shot_dir/refused.log" 2>&1 || status=$?
  check "$status == 2" "$what: status $status"
  grep -qF "$empty_dir" "$shot_dir/refused.log" || mark_failed "$what: the message does not name $empty_dir"
}
refused "--data-dir without the data" "$game_binary" --data-dir "$empty_dir"
refused "VELTRANE_DATA_DIR without the data" env VELTRANE_DATA_DIR="$empty_dir" "$game_binary"
refused "--data-dir before VELTRANE_DATA_DIR" env VELTRANE_DATA_DIR="$mod_dir" "$game_binary" --data-dir "$empty_dir"

# The red title image fills the window; the real one leaves its corner black.
corner_red() { red_pixels "$1" 50x50+450+0; }
start_game env VELTRANE_DATA_DIR="$mod_dir" "$game_binary"
red=$(wait_for env_title "v > 2000" corner_red)
check "$red > 2000" "VELTRANE_DATA_DIR's title image shows ($red red pixels of 2500)"
kill "$game_pid"
expect_end "signal 15" 20 "SIGTERM"

start_game env VELTRANE_DATA_DIR="$empty_dir" "$game_binary" --data-dir="$mod_dir"
red=$(wait_for option_title "v > 2000" corner_red)
check "$red > 2000" "--data-dir's title image shows ($red red pixels of 2500)"
kill "$game_pid"
expect_end "signal 15" 20 "SIGTERM"

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
grep -q "Sanitizer" "$shot_dir/game.log" && mark_failed "the sanitizer build reported: $(grep -m1 Sanitizer "$shot_dir/game.log")"
finish ended
