# Shared helpers for the end-to-end tests: a private X server, the real game,
# xdotool for input and ImageMagick for screenshots and pixel checks.
# Each test is run as: bash test_x.sh <veltrane binary> <data dir> <screenshot dir>
set -euo pipefail

game_binary=$(readlink -f "$1")  # absolute: the game starts inside its data folder
data_dir="$2"
shot_dir="$3"
mkdir -p "$shot_dir"

e2e_pids=()
cleanup() {
  for pid in "${e2e_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

# fail stops the test (for set-up later steps need); mark_failed records a
# failed check and goes on, so one run names every fault; finish reports them.
fail() { echo "FAIL: $*" >&2; exit 1; }
failures=0
mark_failed() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# check "<awk expression>" "<message>": awk, so that fractions compare too.
check() { awk "BEGIN { exit !($1) }" || mark_failed "$2 ($1)"; }

finish() {
  kill -0 "$game_pid" 2>/dev/null || mark_failed "the game exited"
  [ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
  echo "PASS"
}

# A fresh X server for every test: a key left down by a dead test stays down.
start_display() {
  local number=$((200 + RANDOM % 300))
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  e2e_pids+=($!)
  export DISPLAY=":$number"
  for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  fail "Xvfb did not start"
}

# Starts the game in its data folder and gives its window the keyboard focus;
# without a window manager the window opens at (-1, -1), so it is moved on screen.
start_game() {
  (cd "$data_dir" && SDL_AUDIODRIVER=dummy exec "$game_binary") >"$shot_dir/game.log" 2>&1 &
  e2e_pids+=($!)
  game_pid=$!
  window_id=$(timeout 20 xdotool search --sync --name '^Veltrane$' | head -n 1)
  [ -n "$window_id" ] || fail "no game window"
  xdotool windowmove --sync "$window_id" 0 0
  xdotool windowfocus --sync "$window_id"
  sleep 0.5
}

# Keys go through XTEST (no --window), so the game sees real events.
tap() { xdotool key "$1"; sleep 0.15; }

# Screenshots are named; the measures below take a name and a region WxH+X+Y.
shot() { import -window "$window_id" "$shot_dir/$1.png"; }

# Number of pixels in the region for which the ImageMagick fx test holds.
count_pixels() {
  convert "$shot_dir/$1.png" -crop "$2" +repage -fx "$3 ? 1 : 0" -format '%[fx:round(mean*w*h)]' info:
}
red_pixels() { count_pixels "$1" "$2" 'r > 0.5 && g < 0.3 && b < 0.3'; }

# Mean of one channel (r, g or b) of the region, 0 to 1.
channel_mean() { convert "$shot_dir/$1.png" -crop "$2" +repage -format "%[fx:mean.$3]" info:; }

# wait_for <shot> "<awk condition on v>" <measure> [args...]: takes the shot and
# runs `<measure> <shot> args...` until the condition holds or about five seconds
# pass (a software-rendered frame can take a good part of a second); prints the last value.
wait_for() {
  local name="$1" condition="$2" measure="$3" value=""
  shift 3
  for _ in $(seq 20); do
    shot "$name"
    value=$("$measure" "$name" "$@")
    awk -v v="$value" "BEGIN { exit !($condition) }" && break
    sleep 0.25
  done
  echo "$value"
}
