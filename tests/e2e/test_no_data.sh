#!/usr/bin/env bash
# Without data anywhere the game still starts, black and silent, and says why:
# one line on standard error and the same words at the top of the title screen,
# for a player who started it from a desktop menu; `q` still ends it with
# status 0. The sanitizer build has no data folder of its own, so started in an
# empty folder it finds none (and a bad read of a missing file shows up too).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/watched_game.sh"

asan_game="${VELTRANE_ASAN_GAME:-$(dirname "$game_binary")/../../build-asan/src/veltrane}"
[ -x "$asan_game" ] || fail "no sanitizer build of the game at $asan_game (./test builds it)"

start_display
empty_dir="$shot_dir/no_data.$$"
rm -rf "$empty_dir"
mkdir -p "$empty_dir"
trap 'watched_cleanup; rm -rf "$empty_dir"' EXIT
data_dir="$empty_dir"  # start_watched_game starts the game here

# The notice's letters: white pixels in the window's top 60 rows. A title
# drawn as one plain white sheet (an image that failed to load) is no notice.
white_pixels() { count_pixels "$1" 500x60+0+0 'r > 0.8 && g > 0.8 && b > 0.8'; }
start_watched_game env ASAN_OPTIONS=detect_leaks=0 "$asan_game"
white=$(wait_for no_data "v > 200 && v < 6000" white_pixels)
check "$white > 200 && $white < 6000" "the title shows the notice's letters ($white white pixels of 30000 at the top)"
grep -q "no game data found" "$shot_dir/game.log" || mark_failed "no line on standard error says the data is missing"

tap q
expect_end "exit 0" 60 "q without data"
grep -q "Sanitizer" "$shot_dir/game.log" && mark_failed "the sanitizer build reported: $(grep -m1 Sanitizer "$shot_dir/game.log")"

game_pid=$$
finish
