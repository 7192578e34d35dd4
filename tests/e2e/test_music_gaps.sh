#!/usr/bin/env bash
# The music never falls silent while it plays: the title from its first sound,
# and the battle music when Space is pressed as soon as the window appears,
# each for ten seconds after its first sound. SDL's disk driver writes what the
# mixer plays, in real time, to a file. Prints when each piece was first heard.
source "$(dirname "$0")/lib.sh"

start_display

# listen <name> [track]: starts the game with its sound going to a file; with a
# track, presses Space as soon as the window appears, and looks for that
# track's opening after the key press. The wait is generous: the stream comes
# in real time and a loaded machine may be slow to start the game.
listen() {
  local name="$1" track="${2:-}" stream="$shot_dir/music_$1.raw" from=0 status=2 deadline
  rm -f "$stream"
  start_game env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$stream" "$game_binary"
  if [ -n "$track" ]; then
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
  expect_end "signal 15" 20 "$name: SIGTERM"
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
finish ended
