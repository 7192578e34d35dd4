#!/usr/bin/env bash
# The player's settings outlast the run: the nebula and the chase view chosen
# in play reach the file while the game runs and are on the screen at the
# next start, while the command line's --mute and --fps are not saved; a bad
# line is reported with its place, and an unknown one kept. A settings folder
# that cannot be made costs one warning, and the game plays on.
source "$(dirname "$0")/lib.sh"
start_display
settings="$XDG_CONFIG_HOME/veltrane/veltrane.conf"

shoot() { import -window "$window_id" "$shot_dir/$1.png"; }
# Lit pixels in the sky between the blocks, which is black without the nebula.
fogged() { count_pixels "$1" 10x80+245+40 'max(r,max(g,b)) > 0.25'; }
# The engine flames of the player's ship, seen in the chase view only.
flames() { count_pixels "$1" 120x80+190+340 'r > 0.8 && g > 0.3 && b < 0.3'; }
has_line() { grep -qxF "$1" "$settings" 2>/dev/null; }

write_settings  # none at all: the defaults
start_game "$game_binary" --seed 5 --mute --fps 30
begin_play
shoot defaults
check "$(fogged defaults) < 200 && $(flames defaults) < 20" "the defaults show the nebula or the chase view"
tap f; tap 3
check "$(wait_for chosen "v > 600" fogged) > 600" "f did not switch the nebula on"
check "$(flames chosen) > 200" "3 did not show the chase view"
saved=no
for _ in $(seq 50); do has_line "view = chase" && { saved=yes; break; }; sleep 0.1; done
[ "$saved" = yes ] || mark_failed "the choices were not saved while the game ran"
tap q
expect_end "exit 0" 20 "q"
for line in "nebula = on" "view = chase" "invert = off" "volume = 100" "fps = display" "pictures = smooth"; do
  has_line "$line" || mark_failed "the file lacks '$line'"
done
head -n 1 "$settings" | grep -q "^# Veltrane settings" || mark_failed "the file has no header"

# A line the game does not know is kept; a bad value is named by its line.
lines=$(wc -l <"$settings")
printf '%s\n' "speed = 9" "volume = loud" >>"$settings"
start_game "$game_binary" --seed 5
grep -qF "veltrane.conf:$((lines + 1)): unknown key \"speed\"" "$shot_dir/game.log" ||
  mark_failed "no warning for the unknown key: $(cat "$shot_dir/game.log")"
grep -qF "veltrane.conf:$((lines + 2)): volume:" "$shot_dir/game.log" ||
  mark_failed "no warning for the bad volume: $(cat "$shot_dir/game.log")"
begin_play
shoot remembered
check "$(fogged remembered) > 600" "the nebula was not remembered"
check "$(flames remembered) > 200" "the chase view was not remembered"
tap c
tap q
expect_end "exit 0" 20 "q after the second start"
for line in "invert = on" "nebula = on" "view = chase" "speed = 9"; do
  has_line "$line" || mark_failed "the rewritten file lacks '$line'"
done
! has_line "volume = loud" || mark_failed "the bad line outlived the rewrite"

# A settings folder that cannot be made: read-only for a user; root writes
# anywhere, but not below a plain file.
locked="$e2e_home/locked"
if [ "$(id -u)" -eq 0 ]; then touch "$locked"; else mkdir -p "$locked" && chmod 555 "$locked"; fi
XDG_CONFIG_HOME="$locked/config" start_game "$game_binary" --seed 5
begin_play
tap f; tap f; tap 3; tap 2
sleep 1
kill -0 "$game_pid" 2>/dev/null || mark_failed "the game stopped when it could not save"
tap q
expect_end "exit 0" 20 "q without a settings folder"
check "$(grep -c "settings are not saved" "$shot_dir/game.log") == 1" "not one warning about the unsaved settings"
chmod 755 "$locked" 2>/dev/null || true
finish ended
