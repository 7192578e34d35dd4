# Helpers for the end-to-end tests: a private X server, the real game, xdotool
# and ImageMagick. Run as: bash test_x.sh <veltrane binary> <data dir> <shot dir>
set -euo pipefail

game_binary=$(readlink -f "$1")  # absolute: the game starts inside its data folder
data_dir="$2" shot_dir="$3"
mkdir -p "$shot_dir"
e2e_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
end_report="$shot_dir/ended.$$"

# The game's settings, records and recordings live under the shot folder, a
# fresh home for each script: the real home's are never read or written.
e2e_home="$shot_dir/home.$(basename "$0" .sh)"
rm -rf "$e2e_home"
export XDG_CONFIG_HOME="$e2e_home/config" XDG_DATA_HOME="$e2e_home/data" XDG_STATE_HOME="$e2e_home/state"
# write_settings [lines...]: the settings file the next game starts with
# (under the XDG_CONFIG_HOME of the moment); without lines, none at all.
write_settings() {
  local file="$XDG_CONFIG_HOME/veltrane/veltrane.conf"
  rm -f "$file"
  [ "$#" -eq 0 ] && return
  mkdir -p "${file%/*}"
  printf '%s\n' "$@" >"$file"
}
# focus_setting on|off: whether losing the keyboard focus pauses the game.
# Off unless a test says otherwise: tests drive the game beside other windows.
focus_setting() { write_settings "pause_on_focus_loss = $1"; }
focus_setting off

e2e_pids=()
cleanup() { kill "${e2e_pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; }
trap 'cleanup; rm -f "$end_report"*' EXIT

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

# A fresh X server for every test (a key left down by a dead test stays down),
# on a display it picks itself, so parallel jobs never share one.
start_display() {
  local number=""
  coproc xvfb { exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null; }
  e2e_pids+=("$xvfb_PID")
  read -r -t 10 number <&"${xvfb[0]}" || fail "Xvfb did not start"
  export DISPLAY=":$number"
  xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not answer on $DISPLAY"
}

# Keys go through XTEST (no --window), so the game sees real events.
tap() { xdotool key "$1"; sleep 0.15; }

# Measures of a named screenshot's region WxH+X+Y: the pixels for which an
# ImageMagick fx test holds, the red ones, and one channel's mean (0 to 1).
count_pixels() { convert "$shot_dir/$1.png" -crop "$2" +repage -fx "$3 ? 1 : 0" -format '%[fx:round(mean*w*h)]' info:; }
red_pixels() { count_pixels "$1" "$2" 'r > 0.5 && g < 0.3 && b < 0.3'; }
channel_mean() { convert "$shot_dir/$1.png" -crop "$2" +repage -format "%[fx:mean.$3]" info:; }
picture_mean() { convert "$shot_dir/$1.png" -format '%[fx:mean]' info:; }

# wait_for <shot> "<awk condition on v>" <measure> [args...]: takes the shot and
# measures it until the condition holds or ten seconds pass (a loaded machine
# may take a good part of a second to draw a frame); prints the last value.
wait_for() {
  local name="$1" condition="$2" deadline=$((SECONDS + 10)) value=""
  shift 2
  while :; do
    import -window "$window_id" "$shot_dir/$name.png"
    value=$("$1" "$name" "${@:2}")
    awk -v v="$value" "BEGIN { exit !($condition) }" || [ "$SECONDS" -ge "$deadline" ] && break
    sleep 0.2
  done
  echo "$value"
}

# start_game <binary> [arguments...]: starts the game in the data folder with
# silent sound, under report_end.py (which records how and when it ended),
# waits for its window, moves it on screen (without a window manager it opens
# at (-1, -1)) and gives it the keyboard focus.
start_game() {
  rm -f "$end_report"*
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
  # The window is black until its first picture, which a loaded machine may
  # draw seconds later: a test that looked now would measure nothing.
  wait_for first "v > 0" picture_mean >/dev/null
  sleep 0.5
}

# Leaves the title screen; play has begun once the title's red prompt is gone.
begin_play() { tap space; wait_for playing "v == 0" red_pixels 300x40+100+420 >/dev/null; }

# expect_end "<how>" <seconds> <what>: the game ends as told ("signal N" or
# "exit N") within the deadline; a game still running is killed.
expect_end() {
  local how=running deadline=$((SECONDS + $2))
  while [ ! -s "$end_report" ] && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.05; done
  [ -s "$end_report" ] && how=$(cut -d' ' -f1,2 "$end_report")
  [ "$how" = "$1" ] && return
  mark_failed "$3: the game ended as '$how', not '$1'"
  [ "$how" != running ] || kill -9 "$game_pid" 2>/dev/null || true
}
# stop_game <what> [signal]: the signal (TERM unless named) ends the game by that same signal.
stop_game() { kill -s "${2:-TERM}" "$game_pid" 2>/dev/null || true; expect_end "signal $(kill -l "${2:-TERM}")" 20 "$1: SIG${2:-TERM}"; }

# The game built with AddressSanitizer: the sanitizer tree beside this one (./test builds it), or VELTRANE_ASAN_GAME.
asan_game="${VELTRANE_ASAN_GAME:-$(dirname "$game_binary")/../../build-asan/src/veltrane}"
require_asan_game() { [ -x "$asan_game" ] || fail "no sanitizer build of the game at $asan_game (./test builds it)"; }
# no_sanitizer_report <what>: the game's log holds no sanitizer report (shown if it does).
no_sanitizer_report() { ! grep -m3 -A20 Sanitizer "$shot_dir/game.log" >&2 || mark_failed "$1: the sanitizer build reported"; }
