#!/usr/bin/env bash
# The two ordinary ways out end the game with status 0: closing its window
# (what a window manager sends) and `q`. `q` is pressed in the game built with
# AddressSanitizer, so the sound's release at exit is checked too: a leak, a
# use after free or a crash on the way out fails it.
source "$(dirname "$0")/lib.sh"
require_asan_game

start_display

start_game "$game_binary"
python3 "$e2e_dir/close_window.py" "$window_id" || mark_failed "could not send WM_DELETE_WINDOW"
expect_end "exit 0" 20 "closing the window"

export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$e2e_dir/../lsan.supp:print_suppressions=0"
# Mesa unloads its driver when the window goes, and the leak check that runs
# later could no longer name the GL's own allocations to suppress them: the
# driver is loaded from the start (after the sanitizer's runtime) and stays.
preload="$(ldd "$asan_game" | awk '/libasan/ { print $3 }')"
for driver in /usr/lib/*/dri/swrast_dri.so; do [ -e "$driver" ] && preload="$preload $driver"; done
start_game env LD_PRELOAD="$preload" "$asan_game" --data-dir "$(readlink -f "$data_dir")"
tap space
# Play has begun once the title's red prompt is gone.
wait_for playing "v == 0" red_pixels 300x40+100+420 >/dev/null
tap q
expect_end "exit 0" 60 "q in the sanitizer build"
if grep -q "Sanitizer" "$shot_dir/game.log"; then
  mark_failed "the sanitizer build reported on its way out"
  grep -A20 "Sanitizer" "$shot_dir/game.log" | head -40 >&2
fi

finish ended
