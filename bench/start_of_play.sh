#!/usr/bin/env bash
# How long a picture of play is held at the start of play: the game under its
# own X server, Space pressed 0.3 s, 1 s and 3 s after its window appears, in
# a window and in full screen (F1 on the title, Space once the window fills
# the screen), with Mesa's shader cache warm and with none. From the game's
# frame log: the longest interval between two pictures among those finished
# in the 3 s after Space, the pictures held over 50 ms and over 25 ms, and the
# work of the frame that ended the longest interval (whether it ticked).
# Usage: bench/start_of_play.sh [veltrane binary] [data dir]
#   (RUNS=3, CACHES="warm cold", SCREENS="window full", DELAYS="0.3 1 3")
source "$(dirname "$0")/lib.sh"
runs="${RUNS:-3}"
caches="${CACHES:-warm cold}" screens="${SCREENS:-window full}" delays="${DELAYS:-0.3 1 3}"
warm_cache="$work_dir/shader-cache"

# play <cache warm|cold> <screen window|full> <delay s>: one run; appends
# "<worst ms> <over 50> <over 25> <worst's work ms> <worst ticked> <real delay s>"
# to $work_dir/rows.
play() {
  local cache="$1" screen="$2" delay="$3" log="$work_dir/frames.log" press_at deadline
  start_display
  rm -f "$log"
  if [ "$cache" = warm ]; then
    export MESA_SHADER_CACHE_DIR="$warm_cache"; unset MESA_SHADER_CACHE_DISABLE
  else
    export MESA_SHADER_CACHE_DISABLE=true; unset MESA_SHADER_CACHE_DIR
  fi
  VELTRANE_FRAME_LOG="$log" start_game
  # The window appears with its first picture: the first line of the log.
  deadline=$((SECONDS + 30))
  until [ -s "$log" ]; do
    [ "$SECONDS" -lt "$deadline" ] || { echo "no picture" >&2; exit 1; }
    sleep 0.01
  done
  window_seen_at=$(head -n 1 "$log" | cut -d' ' -f1)
  if [ "$screen" = full ]; then
    xdotool key F1
    deadline=$((SECONDS + 20))
    until [ "$(window_width)" = 1280 ]; do
      [ "$SECONDS" -lt "$deadline" ] || { echo "the window never filled the screen" >&2; exit 1; }
      sleep 0.02
    done
  fi
  # Space at the given time after the first picture (or now, if that has
  # passed), on the clock the frame log uses.
  press_at=$(python3 - "$window_seen_at" "$delay" <<'EOF'
import subprocess, sys, time
seen, delay = int(sys.argv[1]), float(sys.argv[2])
time.sleep(max(0, seen + int(delay * 1e9) - time.monotonic_ns()) / 1e9)
at = time.monotonic_ns()
subprocess.run(["xdotool", "key", "space"], check=True)
print(at)
EOF
)
  sleep 3.5
  stop_all
  unset MESA_SHADER_CACHE_DIR MESA_SHADER_CACHE_DISABLE
  awk -v press="$press_at" -v seen="$window_seen_at" '
    last && $1 > press && $1 <= press + 3e9 {
      ms = ($1 - last) / 1e6
      if (ms > 50) over50++
      if (ms > 25) over25++
      if (ms > worst) { worst = ms; work = $3 / 1e6; ticked = $2 }
    }
    { last = $1 }
    END { printf "%.1f %d %d %.1f %d %.2f\n", worst, over50, over25, work, ticked, (press - seen) / 1e9 }' \
    "$log" >>"$work_dir/rows"
}

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
play warm window 1 && : >"$work_dir/rows"  # fills the warm cache
printf '%-5s %-6s %-5s | %-28s | %-6s | %-8s | %-8s | %s\n' cache screen delay "worst interval ms (runs)" median ">50 ms" ">25 ms" "worst frame: work ms/ticked, real delay s"
for cache in $caches; do
  for screen in $screens; do
    for delay in $delays; do
      : >"$work_dir/rows"
      for _ in $(seq "$runs"); do play "$cache" "$screen" "$delay"; done
      printf '%-5s %-6s %-5s | %-28s | %-6s | %-8s | %-8s | %s\n' "$cache" "$screen" "$delay" \
        "$(cut -d' ' -f1 "$work_dir/rows" | paste -sd' ')" "$(cut -d' ' -f1 "$work_dir/rows" | median)" \
        "$(cut -d' ' -f2 "$work_dir/rows" | paste -sd' ')" "$(cut -d' ' -f3 "$work_dir/rows" | paste -sd' ')" \
        "$(awk '{ printf "%s%s/%s@%s", (NR > 1 ? " " : ""), $4, $5, $6 }' "$work_dir/rows")"
    done
  done
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
