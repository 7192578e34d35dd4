#!/usr/bin/env bash
# Holding the fire key sends red bolts ahead of the ship; releasing it stops them.
source "$(dirname "$0")/lib.sh"

start_display
start_game
tap space            # leave the title screen
sleep 1.0
before=$(red_pixels "$(shot fire_before)")

xdotool keydown space
sleep 1.5
during=$(red_pixels "$(shot fire_during)")
xdotool keyup space
sleep 2.5            # the last bolts fly out of sight
after=$(red_pixels "$(shot fire_after)")

echo "red pixels: before $before, while firing $during, after release $after"
[ "$during" -ge $((before + 40)) ] || fail "no bolts seen while the fire key was held"
[ "$after" -le $((before + 10)) ] || fail "bolts still being fired after the key was released"
kill -0 "$game_pid" || fail "the game died"
echo "PASS"
