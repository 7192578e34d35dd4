# Shared helpers for the end-to-end tests: a private X server, the real game,
# xdotool for input and ImageMagick for screenshots and pixel checks.
# Each test is run as: bash test_x.sh <veltrane binary> <data dir> <screenshot dir>
set -euo pipefail

game_binary="$1"
data_dir="$2"
shot_dir="$3"
mkdir -p "$shot_dir"

e2e_pids=()
cleanup() {
  for pid in "${e2e_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
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

# Starts the game in its data folder and gives its window the keyboard focus.
start_game() {
  (cd "$data_dir" && SDL_AUDIODRIVER=dummy exec "$game_binary") >"$shot_dir/game.log" 2>&1 &
  e2e_pids+=($!)
  game_pid=$!
  window_id=$(timeout 20 xdotool search --sync --name '^Veltrane$' | head -n 1)
  [ -n "$window_id" ] || fail "no game window"
  # Without a window manager the window opens at (-1, -1); put it on screen whole.
  xdotool windowmove --sync "$window_id" 0 0
  xdotool windowfocus --sync "$window_id"
  sleep 0.5
}

# Keys go through XTEST (no --window), so the game sees real events.
tap() {
  xdotool key "$1"
  sleep 0.15
}

shot() {
  import -window "$window_id" "$shot_dir/$1.png"
  echo "$shot_dir/$1.png"
}

# Number of pixels in a region (WxH+X+Y) for which the ImageMagick fx test holds.
count_pixels() {
  local file="$1" region="$2" test="$3"
  convert "$file" -crop "$region" +repage -fx "$test ? 1 : 0" -format '%[fx:round(mean*w*h)]' info:
}

red_pixels() {
  count_pixels "$1" "500x500+0+0" 'r > 0.5 && g < 0.3 && b < 0.3'
}
