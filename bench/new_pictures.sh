#!/usr/bin/env bash
# New pictures a second the player really sees: the game at 500x500 under its
# own X server, in play in the chase view with fire and Left held, grabbed
# from the screen 120 times a second for 4 s; a grab that differs from the one
# before is a new picture. Smooth pictures (the default) and the classic loop.
# Usage: bench/new_pictures.sh [veltrane binary] [data dir]   (RUNS=3, SECONDS_GRABBED=4)
source "$(dirname "$0")/lib.sh"
runs="${RUNS:-3}"
grab_seconds="${SECONDS_GRABBED:-4}"

# One run: writes "<new pictures/s> <grabs/s>" to $work_dir/result.
measure() {
  start_display
  VELTRANE_SHOW_PACING=1 start_game -geometry 500x500 "$@"
  xdotool key 3 space  # the chase view, then play
  sleep 1
  xdotool keydown space Left
  sleep 1
  ffmpeg -y -loglevel error -f x11grab -framerate 120 -video_size 500x500 -i "$DISPLAY.0+0,0" \
    -t "$grab_seconds" -fps_mode passthrough -f framemd5 "$work_dir/grabs.md5"
  grep -q . "$work_dir/game.log" && sed 's/^/  game: /' "$work_dir/game.log" | head -n 2 >&2
  stop_all
  # framemd5 lines: stream, dts, pts, duration, size, hash.
  awk -F', *' -v s="$grab_seconds" '!/^#/ { grabs++; if ($6 != last) changes++; last = $6 }
    END { printf "%.1f %.1f\n", (changes - 1) / s, grabs / s }' "$work_dir/grabs.md5" >"$work_dir/result"
}

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for mode in smooth classic; do
  arguments=()
  [ "$mode" = classic ] && arguments=(--classic-frames)
  : >"$work_dir/$mode"
  for run in $(seq "$runs"); do
    measure "${arguments[@]}"
    read -r pictures grabs <"$work_dir/result"
    echo "$mode run $run: $pictures new pictures/s ($grabs grabs/s)"
    echo "$pictures" >>"$work_dir/$mode"
  done
  echo "$mode: median $(median <"$work_dir/$mode") new pictures/s," \
    "range $(sort -g "$work_dir/$mode" | head -n 1)-$(sort -g "$work_dir/$mode" | tail -n 1)"
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
