#!/usr/bin/env bash
# The game ends within a second when asked by SIGTERM (a logout, `timeout`) or
# SIGINT (Ctrl+C), with its sound open, both on the title screen and in play;
# it exits with 128 + the signal's number.
source "$(dirname "$0")/lib.sh"

start_display

# True while the process runs (a child that ended stays a zombie until waited for).
running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null || true)
  [ -n "$state" ] && [[ "$state" != Z* ]]
}

# stop_with <signal> <number>: the running game must be gone within one second.
stop_with() {
  local signal="$1" number="$2" status=0
  kill -s "$signal" "$game_pid"
  for _ in $(seq 10); do
    running "$game_pid" || break
    sleep 0.1
  done
  if running "$game_pid"; then
    mark_failed "still running 1 s after SIG$signal"
    kill -9 "$game_pid" 2>/dev/null || true
  fi
  wait "$game_pid" || status=$?
  check "$status == 128 + $number" "exit status after SIG$signal is $status"
}

start_game
stop_with TERM 15

start_game
tap space
sleep 1
stop_with INT 2

# Nothing left running to check by finish; report the recorded checks.
game_pid=$$
finish
