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
e2e_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
end_report="$shot_dir/ended.$$"
trap 'cleanup; rm -f "$end_report" "$end_report.pid" "$end_report.tmp"' EXIT

# fail stops the test (for set-up later steps need); mark_failed records a
# failed check and goes on, so one run names every fault; finish reports them.
fail() { echo "FAIL: $*" >&2; exit 1; }
failures=0
mark_failed() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# check "<awk expression>" "<message>": awk, so that fractions compare too.
check() { awk "BEGIN { exit !($1) }" || mark_failed "$2 ($1)"; }

# finish [ended]: reports the checks; unless told the game has ended, it must still run.
finish() {
  [ "${1:-}" = ended ] || kill -0 "$game_pid" 2>/dev/null || mark_failed "the game exited"
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

# Keys go through XTEST (no --window), so the game sees real events.
tap() { xdotool key "$1"; sleep 0.15; }

# Screenshots are named; the measures below take a name and a region WxH+X+Y.
shot() { import -window "$window_id" "$shot_dir/$1.png"; }

# Number of pixels in the region for which the ImageMagick fx test holds.
count_pixels() { convert "$shot_dir/$1.png" -crop "$2" +repage -fx "$3 ? 1 : 0" -format '%[fx:round(mean*w*h)]' info:; }
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

# wait_for <shot> "<awk condition on v>" <measure> [args...]: takes the shot and
# measures it until the condition holds or ten seconds pass; prints the last value.
shot_and_measure() { shot "$1"; "$2" "$1" "${@:3}"; }
wait_for() { local name="$1" condition="$2"; shift 2; await "$condition" 10 shot_and_measure "$name" "$@"; }

# The game runs under report_end.py, which records whether it exited or was
# ended by a signal, and when. start_game <binary> [arguments...] starts it in the
# data folder with silent sound, waits for its window, moves it on screen (without
# a window manager it opens at (-1, -1)) and gives it the keyboard focus.
start_game() {
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

# The game built with AddressSanitizer: the sanitizer tree beside this one (./test builds it), or VELTRANE_ASAN_GAME.
asan_game="${VELTRANE_ASAN_GAME:-$(dirname "$game_binary")/../../build-asan/src/veltrane}"
require_asan_game() { [ -x "$asan_game" ] || fail "no sanitizer build of the game at $asan_game (./test builds it)"; }
