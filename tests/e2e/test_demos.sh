#!/usr/bin/env bash
# Games are recorded as they are played, with --record and always as the last
# game, and both recordings replay to their hashes; a recording plays back in
# the window, where p stops it (the picture holds), it ends on the title
# screen, and watching it records nothing.
source "$(dirname "$0")/lib.sh"
start_display
export XDG_STATE_HOME="$shot_dir/state"
rm -rf "$XDG_STATE_HOME" "$shot_dir"/*.vdemo
last_game="$XDG_STATE_HOME/veltrane/last-game.vdemo"

start_game "$game_binary" --seed 9 --record "$shot_dir/session.vdemo"
begin_play
xdotool keydown space keydown Left; sleep 1; xdotool keyup Left keyup space
tap p; tap Down; tap Left; tap p  # the nebula, through the pause menu
sleep 2
tap q
expect_end "exit 0" 20 "q while recording"
for demo in "$shot_dir/session.vdemo" "$last_game"; do
  "$game_binary" --verifydemo "$demo" >"$shot_dir/verify.log" 2>&1 || mark_failed "$demo does not verify: $(cat "$shot_dir/verify.log")"
done
[ ! -e "$last_game.part" ] || mark_failed "the last game was left as a .part file"

stamp="$(stat -c %Y.%s "$last_game" 2>/dev/null)"
start_game "$game_binary" --playdemo "$shot_dir/session.vdemo"
# The title's red prompt goes once the recorded Space is played.
[ "$(wait_for playing "v == 0" red_pixels 300x40+100+420)" = 0 ] || mark_failed "the playback did not leave the title"
tap p
sleep 0.5
import -window "$window_id" "$shot_dir/stopped1.png"
sleep 1
import -window "$window_id" "$shot_dir/stopped2.png"
changed=$(compare -metric AE "$shot_dir/stopped1.png" "$shot_dir/stopped2.png" null: 2>&1 || true)
check "$changed == 0" "a stopped playback still moves ($changed pixels changed)"
tap space  # a game key: the viewer takes it and the game never sees it
tap p
# About five seconds of play remain: the title returns after them.
title=$(SECONDS=0; while [ "$SECONDS" -lt 20 ]; do
  import -window "$window_id" "$shot_dir/end.png"
  [ "$(red_pixels end 300x40+100+420)" -gt 0 ] && { echo yes; break; }
  sleep 0.5
done)
[ "$title" = yes ] || mark_failed "the title screen did not return at the end of the playback"
tap q
expect_end "exit 0" 20 "q while watching"
[ "$(stat -c %Y.%s "$last_game")" = "$stamp" ] || mark_failed "watching a recording rewrote the last game"
finish ended
