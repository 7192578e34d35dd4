#!/usr/bin/env bash
# A data folder named by --data-dir or VELTRANE_DATA_DIR comes before the
# built-in ones (a modder's copy with a red title image shows red), the command
# line before the environment; a named folder without the data is an error:
# status 2 and a line naming it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/watched_game.sh"

start_display
absolute_data="$(readlink -f "$data_dir")"
mod_dir="$shot_dir/mod.$$"
empty_dir="$shot_dir/empty.$$"
rm -rf "$mod_dir" "$empty_dir"
mkdir -p "$mod_dir" "$empty_dir"
trap 'watched_cleanup; rm -rf "$mod_dir" "$empty_dir"' EXIT
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
start_watched_game env VELTRANE_DATA_DIR="$mod_dir" "$game_binary"
red=$(wait_for env_title "v > 2000" corner_red)
check "$red > 2000" "VELTRANE_DATA_DIR's title image shows ($red red pixels of 2500)"
kill "$game_pid"
expect_end "signal 15" 20 "SIGTERM"

start_watched_game env VELTRANE_DATA_DIR="$empty_dir" "$game_binary" --data-dir="$mod_dir"
red=$(wait_for option_title "v > 2000" corner_red)
check "$red > 2000" "--data-dir's title image shows ($red red pixels of 2500)"

finish
