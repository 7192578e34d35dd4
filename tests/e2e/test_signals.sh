#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP end the game, sound open, on the title and in
# play, by that same signal, so its shell (and a script's loop) sees it.
# Prints the time from each signal to the end.
source "$(dirname "$0")/lib.sh"
start_display

elapsed_ms=()
stop_with() {
  local sent
  sent=$(date +%s.%N)
  stop_game "$1" "$2"
  [ -s "$end_report" ] && elapsed_ms+=("$(awk -v a="$sent" -v b="$(cut -d' ' -f3 "$end_report")" 'BEGIN { printf "%d", (b - a) * 1000 }')")
}

start_game "$game_binary"; stop_with title TERM
start_game "$game_binary"; begin_play; stop_with play INT
start_game "$game_binary"; stop_with title HUP

echo "time from signal to end: ${elapsed_ms[*]} ms (median $(printf '%s\n' "${elapsed_ms[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }') ms)"
finish ended
