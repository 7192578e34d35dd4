#!/usr/bin/env bash
# Another window taking the keyboard focus pauses a running game, which stays
# paused when the focus comes back until p; the recording of the game holds
# the pause and replays to its hash. With the setting off, play goes on.
source "$(dirname "$0")/lib.sh"
start_display

# still <name>: the number of pixels that change in the window over a second.
still() {
  import -window "$window_id" "$shot_dir/$1a.png"; sleep 1
  import -window "$window_id" "$shot_dir/$1b.png"
  compare -metric AE "$shot_dir/$1a.png" "$shot_dir/$1b.png" null: 2>&1 || true
}
# take_focus: a second window (xmessage) takes the keyboard focus.
take_focus() {
  xmessage -geometry +600+600 "elsewhere" &
  e2e_pids+=($!)
  other=$(timeout 20 xdotool search --sync --name '^xmessage$' | head -n 1)
  xdotool windowfocus --sync "$other"
}

focus_setting on
start_game "$game_binary" --seed 3 --record "$shot_dir/focus.vdemo"
begin_play
check "$(still running) > 0" "the game does not run before the focus goes"
take_focus
# The loss is believed after a few frames; wait for the picture to hold.
paused=$(SECONDS=0; while [ "$SECONDS" -lt 10 ]; do [ "$(still lost)" = 0 ] && { echo yes; break; }; done)
[ "$paused" = yes ] || mark_failed "losing the focus did not pause the game"
xdotool windowfocus --sync "$window_id"; sleep 0.5
check "$(still back) == 0" "the game resumed by itself when the focus came back"
tap p
check "$(still resumed) > 0" "p did not resume the game"
tap q
expect_end "exit 0" 20 "q"
"$game_binary" --verifydemo "$shot_dir/focus.vdemo" >"$shot_dir/verify.log" 2>&1 ||
  mark_failed "the recording with the pause does not verify: $(cat "$shot_dir/verify.log")"
kill "$other" 2>/dev/null || true

focus_setting off
start_game "$game_binary" --seed 3
begin_play
take_focus
sleep 1
check "$(still off) > 0" "with the setting off the game paused on losing the focus"
finish
