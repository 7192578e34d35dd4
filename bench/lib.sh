# Shared by the measuring scripts: a private X server and the real game in it.
# Sourced as: source bench/lib.sh [veltrane binary] [data dir]
set -euo pipefail

bench_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
game_binary=$(readlink -f "${1:-$bench_dir/../build/src/veltrane}")
data_dir=$(readlink -f "${2:-$bench_dir/../build/data}")
work_dir=$(mktemp -d /tmp/veltrane-bench.XXXXXX)

bench_pids=()
stop_all() {
  xdotool keyup space Left 2>/dev/null || true
  for pid in "${bench_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  bench_pids=()
}
trap 'stop_all; rm -rf "$work_dir"' EXIT

# A fresh 1280x1024 X server for every run, so no key stays down from the last.
start_display() {
  local number=""
  : >"$work_dir/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work_dir/display" >/dev/null 2>&1 &
  bench_pids+=($!)
  for _ in $(seq 100); do
    number=$(tr -d '[:space:]' <"$work_dir/display")
    [ -n "$number" ] && break
    sleep 0.1
  done
  [ -n "$number" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$number"
}

# start_game [arguments...]: the game with silent sound; waits for its window,
# puts it at (0, 0) (without a window manager it opens at (-1, -1)) and gives
# it the focus. Sets game_pid, window_id and window_seen_at (monotonic ns, when
# the window was found: it may not show a picture yet).
start_game() {
  SDL_AUDIODRIVER=dummy "$game_binary" --data-dir "$data_dir" "$@" >"$work_dir/game.log" 2>&1 &
  game_pid=$!
  bench_pids+=("$game_pid")
  # Polled, not --sync: that looks only twice a second.
  window_id=""
  for _ in $(seq 3000); do
    window_id=$(xdotool search --name '^Veltrane$' 2>/dev/null | head -n 1 || true)
    [ -n "$window_id" ] && break
    sleep 0.02
  done
  window_seen_at=$(monotonic_ns)
  [ -n "$window_id" ] || { echo "no game window" >&2; cat "$work_dir/game.log" >&2; exit 1; }
  xdotool windowmove --sync "$window_id" 0 0
  xdotool windowfocus --sync "$window_id"
}

# The clock the game's frame log uses (CLOCK_MONOTONIC), in nanoseconds.
monotonic_ns() { python3 -c 'import time; print(time.monotonic_ns())'; }

window_width() { xwininfo -id "$window_id" | awk '/Width:/ { print $2 }'; }

# median of the numbers on stdin, one a line.
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
