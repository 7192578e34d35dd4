#!/usr/bin/env bash
# Records through the real game: a death adds a counted game to the records
# file, a win skipped to with \ adds nothing, and the title shows the best
# score and the fastest win under its prompt.
source "$(dirname "$0")/lib.sh"
start_display
records="$XDG_DATA_HOME/veltrane/records"
mkdir -p "$(dirname "$records")"
printf 'best_score = 12300\nfastest_win_steps = 2506\ngames_played = 3\ngames_won = 1\n' >"$records"
played() { sed -n 's/^games_played = //p' "$records"; }

# The title's line under its prompt: bright pixels in its band.
start_game "$game_binary" --seed 11
lit=$(wait_for title "v > 100" count_pixels 300x16+100+462 'r > 0.6 && g > 0.6 && b > 0.6')
check "$lit > 100" "no records line under the title's prompt ($lit lit pixels)"
begin_play

# Into a block: turned right and up the ship meets one within seconds. The
# timing of keys can miss, so a take that does not end in a death is retried.
died=no
for take in 1 2 3; do
  xdotool keydown Right; sleep 0.75; xdotool keyup Right
  xdotool keydown Up; sleep 0.25; xdotool keyup Up
  for _ in $(seq 40); do [ "$(played)" = 4 ] && { died=yes; break 2; }; sleep 0.5; done
done
[ "$died" = yes ] || mark_failed "a death did not reach the records (games_played $(played))"
grep -q '^games_won = 1$' "$records" || mark_failed "a death counted as a win"
tap r
tap backslash
sleep 2
tap q
expect_end "exit 0" 20 "q"
[ "$(played)" = 4 ] || mark_failed "the skipped win was counted (games_played $(played))"
grep -q '^fastest_win_steps = 2506$' "$records" || mark_failed "the skipped win set a time"
cat "$records"
finish ended
