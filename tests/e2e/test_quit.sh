#!/usr/bin/env bash
# Closing the window (as a window manager asks) and `q` exit 0; `q` in the
# AddressSanitizer build, so a leak or a crash on the way out fails it.
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
begin_play
tap q
expect_end "exit 0" 60 "q in the sanitizer build"
no_sanitizer_report "q in the sanitizer build"
finish ended
