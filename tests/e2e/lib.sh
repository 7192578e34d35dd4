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
# -displayfd lets the server pick a free display, so parallel jobs never share one.
start_display() {
  local display_file="$shot_dir/display.$$" number=""
  : >"$display_file"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  e2e_pids+=($!)
  for _ in $(seq 100); do
    number=$(tr -d '[:space:]' <"$display_file")
    [ -n "$number" ] && break
    sleep 0.1
  done
  rm -f "$display_file"
  [ -n "$number" ] || fail "Xvfb did not start"
  export DISPLAY=":$number"
  xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not answer on $DISPLAY"
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

# await "<awk condition on v>" <seconds> <command> [args...]: runs the command
# until what it prints meets the condition or the seconds have passed, and
# prints its last output. The deadline is generous: a loaded machine may draw
# a software-rendered frame in a good part of a second.
await() {
  local condition="$1" deadline=$((SECONDS + $2)) value=""
  shift 2
  while :; do
    value=$("$@")
    awk -v v="$value" "BEGIN { exit !($condition) }" && break
    [ "$SECONDS" -lt "$deadline" ] || break
    sleep 0.2
  done
  echo "$value"
}

# Takes the named shot, then prints `<measure> <shot> args...`.
shot_and_measure() {
  local name="$1" measure="$2"
  shift 2
  shot "$name"
  "$measure" "$name" "$@"
}

# wait_for <shot> "<awk condition on v>" <measure> [args...]: takes the shot and
# measures it until the condition holds or ten seconds pass; prints the last value.
wait_for() {
  local name="$1" condition="$2"
  shift 2
  await "$condition" 10 shot_and_measure "$name" "$@"
}
