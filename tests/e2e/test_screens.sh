#!/bin/bash
# The player's screens in the real game under a fresh Xvfb, driven by xdotool:
# the title screen, the HUD, the pause menu and its cursor, the win with its
# credits, and the restart. Checks pixel regions of window screenshots.
# Usage: test_screens.sh <veltrane> <data-dir> <screenshot-dir>
set -u

game=$(readlink -f "$1")
data=$2
shots=$3
mkdir -p "$shots"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# A display number nobody holds.
display=""
for n in $(seq 73 120); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=$n
        break
    fi
done
[ -n "$display" ] || { echo "no free display"; exit 1; }

xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

(cd "$data" && SDL_AUDIODRIVER=dummy exec "$game") >"$shots/game.log" 2>&1 &
game_pid=$!

window=$(timeout 30 xdotool search --sync --name '^Veltrane$' | head -n 1)
[ -n "$window" ] || { echo "the game's window never appeared"; exit 1; }
# Without a window manager the window opens at (-1, -1), its first row and
# column off the screen; move it fully on so screenshots show every pixel.
xdotool windowmove --sync "$window" 0 0
xdotool windowfocus --sync "$window"
sleep 1.5

shot() {
    import -window "$window" "$shots/$1.png"
}
# Mean brightness (0..1) of a box: shot w h x y.
mean() {
    convert "$shots/$1.png" -crop "$2x$3+$4+$5" +repage -colorspace gray -format '%[fx:mean]' info:
}
# Pixels of a box whose three channels all exceed 0.9 (white text).
white_count() {
    convert "$shots/$1.png" -crop "$2x$3+$4+$5" +repage -fx 'min(r,min(g,b))>0.9' \
        -format '%[fx:round(mean*w*h)]' info:
}
# Mean of one channel of a box: shot channel w h x y.
channel_mean() {
    convert "$shots/$1.png" -crop "$3x$4+$5+$6" +repage -format "%[fx:mean.$2]" info:
}
# Pixels that differ between the same box of two shots.
box_diff() {
    convert "$shots/$1.png" -crop "$3x$4+$5+$6" +repage "$shots/crop_a.png"
    convert "$shots/$2.png" -crop "$3x$4+$5+$6" +repage "$shots/crop_b.png"
    compare -metric AE "$shots/crop_a.png" "$shots/crop_b.png" null: 2>&1 | cut -d' ' -f1
}
# Float comparison: check "<expression>" "<message>".
check() {
    awk "BEGIN { exit !($1) }" || fail "$2 ($1)"
}
# Re-shoots until the condition (an awk expression over the output of the
# measuring command) holds, or five seconds pass: a frame under the software
# renderer can take a good part of a second. Prints the last measurement.
# wait_for <shot> "<awk condition on v>" <measure command...>
wait_for() {
    local name=$1 condition=$2 value=""
    shift 2
    for _ in $(seq 20); do
        shot "$name"
        value=$("$@")
        awk -v v="$value" "BEGIN { exit !($condition) }" && break
        sleep 0.25
    done
    echo "$value"
}
tap() {
    xdotool key "$1"
    sleep 0.3
}

size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$size" = "500x500" ] || fail "window is $size, not 500x500"

# Title screen: the prompt starts at (151, 450), its baseline; nothing of it left of x 151.
prompt=$(wait_for title "v > 0.03" mean title 190 15 151 436)
check "$prompt > 0.03" "title prompt missing: mean $prompt"
left_of_prompt=$(mean title 20 15 131 436)
check "$left_of_prompt < 0.005" "something left of the prompt: mean $left_of_prompt"
prompt_start=$(mean title 2 15 151 436)
check "$prompt_start > 0.02" "the prompt does not start at x 151: mean $prompt_start"
ship=$(mean title 300 200 100 180)
check "$ship > 0.05" "title ship and floor missing: mean $ship"

# Space starts the game: "Score: 0" at (16, 25), "Enemies Left: 124" at (386, 20),
# the health bar full and green from x 80 to 180.
tap space
health_green=$(wait_for battle "v > 0.9" channel_mean battle g 100 20 80 473)
check "$health_green > 0.9" "health bar not full green: $health_green"
health_red=$(channel_mean battle r 100 20 80 473)
check "$health_red < 0.1" "red shows through the full health bar: $health_red"
bar_end=$(channel_mean battle g 1 20 180 473)
check "$bar_end < 0.5" "the health bar runs past x 180: $bar_end"
score_text=$(white_count battle 70 15 16 11)
enemies_text=$(white_count battle 110 11 386 10)
check "$score_text > 40" "no 'Score: 0' text: $score_text white pixels"
check "$enemies_text > 40" "no 'Enemies Left: 124' text: $enemies_text white pixels"

# p pauses: "Pause" at (231, 250), the menu's first row centred at (250, 300),
# highlighted; the second row a black spacer.
tap p
row0=$(wait_for pause "v > 0.6" channel_mean pause r 256 21 122 290)
check "$row0 > 0.6" "first row is not highlighted: red mean $row0"
pause_text=$(white_count pause 45 15 231 236)
check "$pause_text > 30" "no 'Pause' text: $pause_text"
row2=$(channel_mean pause r 256 21 122 336)
check "$row2 < 0.35" "nebula row is highlighted too: red mean $row2"
spacer=$(mean pause 256 19 122 314)
check "$spacer < 0.01" "spacer row is not black: mean $spacer"
# The selected row's white frame spans x 122 to 377.
frame_left=$(mean pause 1 21 122 290)
frame_right=$(mean pause 1 21 377 290)
check "$frame_left > 0.99 && $frame_right > 0.99" "first row is not at x 122..377: $frame_left $frame_right"

# Down moves the highlight to the nebula item.
tap Down
row2=$(wait_for menu_down "v > 0.6" channel_mean menu_down r 256 21 122 336)
check "$row2 > 0.6" "nebula row not highlighted after Down: $row2"
row0=$(channel_mean menu_down r 256 21 122 290)
check "$row0 < 0.35" "first row still highlighted after Down: $row0"

# Left switches nebula on (its row changes), right off again (the row comes back).
tap Left
changed=$(wait_for menu_nebula_on "v > 100" box_diff menu_down menu_nebula_on 256 21 122 336)
check "$changed > 100" "Left did not change the nebula row: $changed pixels"
tap Right
restored=$(wait_for menu_nebula_off "v == 0" box_diff menu_down menu_nebula_off 256 21 122 336)
check "$restored == 0" "Right did not restore the nebula row: $restored pixels"

# Up twice wraps from the nebula item past the first to the view item at the bottom.
tap Up
tap Up
row6=$(wait_for menu_wrap "v > 0.6" channel_mean menu_wrap r 256 21 122 428)
check "$row6 > 0.6" "Up from the first item did not select the last: $row6"

# Resume, then \ wins: the texts, and the credits window below them, scrolling.
tap p
tap backslash
win_text=$(wait_for won "v > 150" white_count won 298 15 101 176)
check "$win_text > 150" "no win text: $win_text white pixels"
credits=$(mean won 300 150 100 275)
check "$credits > 0.02" "no credits: mean $credits"
sleep 1
scrolled=$(wait_for won_later "v > 100" box_diff won won_later 300 150 100 275)
check "$scrolled > 100" "the credits did not scroll: $scrolled pixels"

# r restarts: the win text goes, the score and the enemy count are back.
tap r
win_text_after=$(wait_for restarted "v < 20" white_count restarted 298 15 101 176)
check "$win_text_after < 20" "win text after restart: $win_text_after"
score_after=$(white_count restarted 70 15 16 11)
check "$score_after > 40" "no score after restart: $score_after"

kill -0 "$game_pid" 2>/dev/null || fail "the game exited"
rm -f "$shots/crop_a.png" "$shots/crop_b.png"
if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all screen checks passed"
