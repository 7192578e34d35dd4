#!/usr/bin/env bash
# The music never falls silent while it plays: the title from its first sound,
# and the battle music when Space is pressed as soon as the window appears,
# each for ten seconds after its first sound. SDL's disk driver writes what the
# mixer plays, in real time, to a file. Prints when each piece was first heard.
source "$(dirname "$0")/lib.sh"
e2e_dir="$(cd "$(dirname "$0")" && pwd)"

start_display

# listen <name> [track]: starts the game with its sound going to a file; with a
# track, presses Space as soon as the window appears, and looks for that
# track's opening after the key press. The wait is generous: the stream comes
# in real time and a loaded machine may be slow to start the game.
listen() {
  local name="$1" track="${2:-}" stream="$shot_dir/music_$1.raw" from=0 status=2 deadline
  rm -f "$stream"
  (cd "$data_dir" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$stream" exec "$game_binary") \
    >"$shot_dir/game_$name.log" 2>&1 &
  e2e_pids+=($!)
  game_pid=$!
  window_id=$(timeout 60 xdotool search --sync --name '^Veltrane$' | head -n 1 || true)
  [ -n "$window_id" ] || fail "$name: no game window"
  if [ -n "$track" ]; then
    xdotool windowmove --sync "$window_id" 0 0
    xdotool windowfocus --sync "$window_id"
    from=$(stat -c %s "$stream" 2>/dev/null || echo 0)
    xdotool key space
  fi
  deadline=$((SECONDS + 90))
  while [ "$status" -eq 2 ] && [ "$SECONDS" -lt "$deadline" ]; do
    sleep 1
    status=0
    python3 "$e2e_dir/music_gaps.py" "$stream" "$from" ${track:+"$data_dir/$track"} \
      >"$shot_dir/gaps_$name.txt" || status=$?
  done
  kill -0 "$game_pid" 2>/dev/null || mark_failed "$name: the game exited"
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  echo "$name: $(cat "$shot_dir/gaps_$name.txt")"
  case "$status" in
    0) ;;
    1) mark_failed "$name: the music fell silent" ;;
    *) mark_failed "$name: no ten seconds of music within the deadline" ;;
  esac
  rm -f "$stream"
}

listen title
listen battle background0.mp3

# The games are gone; report the recorded checks.
game_pid=$$
finish
