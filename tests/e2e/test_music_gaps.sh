#!/usr/bin/env bash
# The title music, and the battle music with Space pressed as soon as the
# window appears, never fall silent in the ten seconds after their first sound,
# as SDL's disk driver records what the mixer plays. Prints when each began.
source "$(dirname "$0")/lib.sh"
start_display

# listen <name> <track> [key]: starts the game with its sound going to a file,
# presses the key as soon as the window appears, and looks for the track's
# opening after it. The wait is generous: a loaded machine may start slowly.
listen() {
  local name="$1" stream="$shot_dir/music_$1.raw" from=0 status=2 deadline=$((SECONDS + 90))
  rm -f "$stream"
  start_game env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$stream" "$game_binary"
  [ -z "${3:-}" ] || { from=$(stat -c %s "$stream" 2>/dev/null || echo 0); xdotool key "$3"; }
  while [ "$status" -eq 2 ] && [ "$SECONDS" -lt "$deadline" ]; do
    sleep 1
    status=0
    python3 "$e2e_dir/music_gaps.py" "$stream" "$from" "$data_dir/$2" >"$shot_dir/gaps_$name.txt" || status=$?
  done
  kill -0 "$game_pid" 2>/dev/null || mark_failed "$name: the game exited"
  stop_game "$name"
  echo "$name: $(cat "$shot_dir/gaps_$name.txt")"
  [ "$status" -ne 1 ] || mark_failed "$name: the music fell silent"
  [ "$status" -lt 2 ] || mark_failed "$name: no ten seconds of music within the deadline"
  rm -f "$stream"
}

listen title title.mp3
listen battle background0.mp3 space
finish ended
