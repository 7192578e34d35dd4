#!/usr/bin/env bash
# The window names itself to the desktop: WM_CLASS "veltrane", "Veltrane" (the
# desktop entry's StartupWMClass), _NET_WM_ICON with the data folder's icons
# at 16, 32, 48 and 64 pixels (a missing one left out), _NET_WM_PID and
# WM_CLIENT_MACHINE. Mapped a second time for that, the window still draws its
# title and takes the keyboard.
source "$(dirname "$0")/lib.sh"
start_display

# icon_layout: the sizes _NET_WM_ICON holds, in order ("16 32 48 64"); it
# also checks the 16-pixel icon's pixels against icon16.png as ARGB.
icon_layout() {
  xprop -id "$window_id" -notype 32c _NET_WM_ICON >"$shot_dir/icon.txt"
  convert "$data_dir/icon16.png" -depth 8 rgba:"$shot_dir/icon16.rgba"
  python3 - "$shot_dir/icon.txt" "$shot_dir/icon16.rgba" <<'PY'
import sys
text = open(sys.argv[1]).read()
values = [int(v) for v in text.split("=", 1)[1].split(",")] if "=" in text else []
rgba = open(sys.argv[2], "rb").read()
argb = [rgba[i + 3] << 24 | rgba[i] << 16 | rgba[i + 1] << 8 | rgba[i + 2] for i in range(0, len(rgba), 4)]
sizes, at = [], 0
while at + 2 <= len(values):
    width, height = values[at], values[at + 1]
    if width != height or width <= 0 or at + 2 + width * height > len(values):
        sizes.append(f"bad({width}x{height})")
        break
    if width == 16 and values[at + 2:at + 2 + 256] != argb:
        sizes.append("16(pixels differ from icon16.png)")
    else:
        sizes.append(str(width))
    at += 2 + width * height
print(" ".join(sizes) + (" trailing" if at != len(values) else ""))
PY
}

start_game "$game_binary"
class=$(xprop -id "$window_id" WM_CLASS)
[ "$class" = 'WM_CLASS(STRING) = "veltrane", "Veltrane"' ] || mark_failed "the class is: $class"
layout=$(icon_layout)
[ "$layout" = "16 32 48 64" ] || mark_failed "_NET_WM_ICON holds: $layout"
pid=$(xprop -id "$window_id" -notype _NET_WM_PID)
[ "$pid" = "_NET_WM_PID = $game_pid" ] || mark_failed "the pid is '$pid', not $game_pid"
machine=$(xprop -id "$window_id" -notype WM_CLIENT_MACHINE)
[ "$machine" = "WM_CLIENT_MACHINE = \"$(hostname)\"" ] || mark_failed "the machine is: $machine"

letters=$(wait_for title "v > 0.3" channel_mean 300x50+40+95 b)
check "$letters > 0.3" "the title image did not draw: blue mean $letters"
begin_play
prompt=$(red_pixels playing 300x40+100+420)
check "$prompt == 0" "space did not start the game: the title's prompt shows ($prompt red pixels)"
stop_game "the first game"

# A data folder without the 48-pixel icon: the other three, and nothing said about it.
partial_dir="$shot_dir/partial.$$"
rm -rf "$partial_dir"
mkdir -p "$partial_dir"
trap 'cleanup; rm -rf "$end_report"* "$partial_dir"' EXIT
for file in "$(readlink -f "$data_dir")"/*; do [ "${file##*/}" = icon48.png ] || ln -s "$file" "$partial_dir/"; done
start_game "$game_binary" --data-dir "$partial_dir"
layout=$(icon_layout)
[ "$layout" = "16 32 64" ] || mark_failed "without icon48.png, _NET_WM_ICON holds: $layout"
if grep -qi icon "$shot_dir/game.log"; then mark_failed "a missing icon was reported: $(cat "$shot_dir/game.log")"; fi
finish
