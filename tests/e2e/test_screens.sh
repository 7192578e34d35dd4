#!/usr/bin/env bash
# The player's screens in the real game: the title screen, the HUD, the pause
# menu and its cursor, the win with its credits, and the restart. Checks pixel
# regions of window screenshots; every failed check is named.
source "$(dirname "$0")/lib.sh"

start_display
start_game

size=$(window_size)
[ "$size" = "500x500" ] || mark_failed "window is $size, not 500x500"

# Title screen: the prompt starts at (151, 450), its baseline; nothing of it left of x 151.
prompt=$(wait_for title "v > 0.03" brightness 190x15+151+436)
check "$prompt > 0.03" "title prompt missing: mean $prompt"
left_of_prompt=$(brightness title 20x15+131+436)
check "$left_of_prompt < 0.005" "something left of the prompt: mean $left_of_prompt"
prompt_start=$(brightness title 2x15+151+436)
check "$prompt_start > 0.02" "the prompt does not start at x 151: mean $prompt_start"
ship=$(brightness title 300x200+100+180)
check "$ship > 0.05" "title ship and floor missing: mean $ship"

# Space starts the game: "Score: 0" at (16, 25), "Enemies Left: 124" at (386, 20),
# the health bar full and green from x 80 to 180.
tap space
health_green=$(wait_for battle "v > 0.9" channel_mean 100x20+80+473 g)
check "$health_green > 0.9" "health bar not full green: $health_green"
health_red=$(channel_mean battle 100x20+80+473 r)
check "$health_red < 0.1" "red shows through the full health bar: $health_red"
bar_end=$(channel_mean battle 1x20+180+473 g)
check "$bar_end < 0.5" "the health bar runs past x 180: $bar_end"
score_text=$(white_pixels battle 70x15+16+11)
check "$score_text > 40" "no 'Score: 0' text: $score_text white pixels"
enemies_text=$(white_pixels battle 110x11+386+10)
check "$enemies_text > 40" "no 'Enemies Left: 124' text: $enemies_text white pixels"

# p pauses: "Pause" at (231, 250), the menu's first row centred at (250, 300),
# highlighted; the second row a black spacer.
tap p
row0=$(wait_for pause "v > 0.6" channel_mean 256x21+122+290 r)
check "$row0 > 0.6" "first row is not highlighted: red mean $row0"
pause_text=$(white_pixels pause 45x15+231+236)
check "$pause_text > 30" "no 'Pause' text: $pause_text"
row2=$(channel_mean pause 256x21+122+336 r)
check "$row2 < 0.35" "nebula row is highlighted too: red mean $row2"
spacer=$(brightness pause 256x19+122+314)
check "$spacer < 0.01" "spacer row is not black: mean $spacer"
# The selected row's white frame spans x 122 to 377.
frame_left=$(brightness pause 1x21+122+290)
frame_right=$(brightness pause 1x21+377+290)
check "$frame_left > 0.99 && $frame_right > 0.99" "first row is not at x 122..377: $frame_left $frame_right"

# Down moves the highlight to the nebula item.
tap Down
row2=$(wait_for menu_down "v > 0.6" channel_mean 256x21+122+336 r)
check "$row2 > 0.6" "nebula row not highlighted after Down: $row2"
row0=$(channel_mean menu_down 256x21+122+290 r)
check "$row0 < 0.35" "first row still highlighted after Down: $row0"

# Left switches nebula on (its row changes), right off again (the row comes back).
tap Left
changed=$(wait_for menu_nebula_on "v > 100" changed_pixels 256x21+122+336 menu_down)
check "$changed > 100" "Left did not change the nebula row: $changed pixels"
tap Right
restored=$(wait_for menu_nebula_off "v == 0" changed_pixels 256x21+122+336 menu_down)
check "$restored == 0" "Right did not restore the nebula row: $restored pixels"

# Up twice wraps from the nebula item past the first to the view item at the bottom.
tap Up
tap Up
row6=$(wait_for menu_wrap "v > 0.6" channel_mean 256x21+122+428 r)
check "$row6 > 0.6" "Up from the first item did not select the last: $row6"

# Resume, then \ wins: the texts, and the credits window below them, scrolling.
tap p
tap backslash
win_text=$(wait_for won "v > 150" white_pixels 298x15+101+176)
check "$win_text > 150" "no win text: $win_text white pixels"
credits=$(brightness won 300x150+100+275)
check "$credits > 0.02" "no credits: mean $credits"
sleep 1
scrolled=$(wait_for won_later "v > 100" changed_pixels 300x150+100+275 won)
check "$scrolled > 100" "the credits did not scroll: $scrolled pixels"

# r restarts: the win text goes, the score is back.
tap r
win_text_after=$(wait_for restarted "v < 20" white_pixels 298x15+101+176)
check "$win_text_after < 20" "win text after restart: $win_text_after"
score_after=$(white_pixels restarted 70x15+16+11)
check "$score_after > 40" "no score after restart: $score_after"

finish
