#!/usr/bin/env bash
# F12 saves the window's picture, right side up, as a PNG named by the time in
# ~/Pictures/Veltrane (xdg-user-dir answers the home folder itself when no
# pictures folder is configured). A name already taken gets "-2", "-3", ...:
# no file is ever replaced. A pictures folder that cannot be made shows the
# failure in the notice band and on stderr, and the game plays on.
source "$(dirname "$0")/lib.sh"
start_display
command -v xdg-user-dir >/dev/null || fail "xdg-user-dir is missing (package xdg-user-dirs)"

home="$shot_dir/screenshots.$$"
rm -rf "$home"
mkdir -p "$home/config"
trap 'cleanup; rm -rf "$end_report"* "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_STATE_HOME="$home/state"
pictures="$home/Pictures/Veltrane"

png_count() { find "$home" -name '*.png' | wc -l; }
# wait_for_pngs <count>: until the home holds that many PNGs, ten seconds at most.
wait_for_pngs() {
  local deadline=$((SECONDS + 10))
  while [ "$(png_count)" -lt "$1" ] && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
  [ "$(png_count)" -ge "$1" ] || mark_failed "$1 PNG(s) expected, $(png_count) found: $(find "$home" -name '*.png')"
}
# White text in the notice band, under the HUD's top line.
notice_pixels() { count_pixels "$1" 500x20+0+32 'r > 0.8 && g > 0.8 && b > 0.8'; }

start_game "$game_binary"
wait_for title "v > 0.3" channel_mean 300x50+40+95 b >/dev/null
tap F12
wait_for_pngs 1
first=$(find "$pictures" -name 'veltrane-*.png' | head -n 1)
[[ "${first##*/}" =~ ^veltrane-[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{2}-[0-9]{2}-[0-9]{2}\.png$ ]] ||
  mark_failed "the screenshot is named '${first##*/}'"
format=$(identify -format '%m %wx%h' "$first" 2>&1 || true)
[ "$format" = "PNG 500x500" ] || mark_failed "the screenshot is '$format', not a 500x500 PNG"
cp "$first" "$shot_dir/f12.png"
# The blue title letters near the top: the picture is there and not upside down.
letters=$(channel_mean f12 300x50+40+95 b)
check "$letters > 0.3" "the screenshot lacks the title's letters at the top: blue mean $letters"
notice=$(wait_for saved "v > 50" notice_pixels)
check "$notice > 50" "no notice after a screenshot ($notice white pixels in the band)"

# Files already holding the names of the next ten seconds stay as they are;
# two quick presses find free names beside them.
# (The first screenshot may hold one of those names already.)
now=$(date +%s) placed=0
for i in $(seq 0 9); do
  name="$pictures/veltrane-$(date -d "@$((now + i))" +%Y-%m-%d_%H-%M-%S).png"
  [ -e "$name" ] || { echo keep >"$name"; placed=$((placed + 1)); }
done
expected=$(($(png_count) + 2))
xdotool key --delay 150 F12 F12
wait_for_pngs "$expected"
kept=$(grep -lx keep "$pictures"/*.png | wc -l)
check "$kept == $placed" "files with taken names were replaced: $kept of $placed kept"
renamed=$(find "$pictures" -name 'veltrane-*-[23].png' | wc -l)
check "$renamed == 2" "two presses on taken names made $renamed files named -2 or -3"

# A pictures folder under a regular file cannot be made, not even by root.
touch "$home/afile"
echo 'XDG_PICTURES_DIR="$HOME/afile/Pics"' >"$XDG_CONFIG_HOME/user-dirs.dirs"
wait_for quiet "v == 0" notice_pixels >/dev/null
before=$(png_count)
tap F12
notice=$(wait_for failed "v > 50" notice_pixels)
check "$notice > 50" "no notice after a failed screenshot ($notice white pixels in the band)"
reports=$(grep -c "screenshot failed: cannot make ~/afile/Pics/Veltrane" "$shot_dir/game.log" || true)
check "$reports == 1" "the failure was reported $reports times on stderr: $(cat "$shot_dir/game.log")"
check "$(png_count) == $before" "a failed screenshot left a file"
begin_play
finish
