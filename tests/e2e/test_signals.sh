#!/usr/bin/env bash
# SIGTERM (a logout, `timeout`), SIGINT (Ctrl+C) and SIGHUP (the terminal went
# away) end the game, with its sound open, on the title screen and in play; the
# game then ends by that same signal, so the shell that started it sees it (and
# a script's loop stops on Ctrl+C). Prints the time from each signal to the end.
source "$(dirname "$0")/lib.sh"

start_display
elapsed_ms=()

# stop_with <signal>: the game must end by it within a generous deadline.
stop_with() {
  local signal="$1" sent
  sent=$(date +%s.%N)
  kill -s "$signal" "$game_pid"
  expect_end "signal $(kill -l "$signal")" 20 "SIG$signal"
  [ -s "$end_report" ] && elapsed_ms+=("$(awk -v a="$sent" -v b="$(game_end_time)" 'BEGIN { printf "%d", (b - a) * 1000 }')")
}

start_game "$game_binary"
stop_with TERM

start_game "$game_binary"
tap space
# Play has begun once the title's red prompt is gone.
wait_for playing "v == 0" red_pixels 300x40+100+420 >/dev/null
stop_with INT

start_game "$game_binary"
stop_with HUP

echo "time from signal to end: ${elapsed_ms[*]} ms (median $(printf '%s\n' "${elapsed_ms[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }') ms)"

finish ended
