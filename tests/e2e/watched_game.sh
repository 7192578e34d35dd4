# Helpers for the tests of how the game ends, sourced after lib.sh: the game
# runs under report_end.py, which records whether it exited or was ended by a
# signal, and when.
e2e_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
end_report="$shot_dir/ended.$$"
watched_cleanup() {
  cleanup
  rm -f "$end_report" "$end_report.pid" "$end_report.tmp"
}
trap watched_cleanup EXIT

# start_watched_game <binary> [arguments...]: starts it in the data folder with
# silent sound, waits for its window, moves it on screen and gives it the focus.
start_watched_game() {
  rm -f "$end_report" "$end_report.pid"
  (cd "$data_dir" && SDL_AUDIODRIVER=dummy exec python3 "$e2e_dir/report_end.py" "$end_report" "$@") \
    >"$shot_dir/game.log" 2>&1 &
  e2e_pids+=($!)
  for _ in $(seq 100); do [ -s "$end_report.pid" ] && break; sleep 0.1; done
  game_pid=$(cat "$end_report.pid" 2>/dev/null) || fail "the game did not start"
  e2e_pids+=("$game_pid")
  window_id=$(timeout 60 xdotool search --sync --name '^Veltrane$' | head -n 1 || true)
  [ -n "$window_id" ] || fail "no game window"
  xdotool windowmove --sync "$window_id" 0 0
  xdotool windowfocus --sync "$window_id"
  sleep 0.5
}

# game_end <seconds>: waits up to that long for the game to end and prints
# "signal N" or "exit N", or "running" if it has not ended.
game_end() {
  local deadline=$((SECONDS + $1))
  while [ ! -s "$end_report" ] && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.05; done
  if [ -s "$end_report" ]; then cut -d' ' -f1,2 "$end_report"; else echo running; fi
}

# The time the game ended, seconds since the epoch.
game_end_time() { cut -d' ' -f3 "$end_report"; }

# expect_end "<how>" <seconds> <what>: the game ends as told within the deadline.
expect_end() {
  local how
  how=$(game_end "$2")
  if [ "$how" != "$1" ]; then
    mark_failed "$3: the game ended as '$how', not '$1'"
    [ "$how" != running ] || kill -9 "$game_pid" 2>/dev/null || true
  fi
}
