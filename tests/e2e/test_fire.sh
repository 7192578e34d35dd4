#!/usr/bin/env bash
# Holding the fire key sends red bolts ahead of the ship; releasing it stops them.
source "$(dirname "$0")/lib.sh"

# Red pixels in the middle of the view, where the bolts fly (the chase view's
# red cross-hair sits at the pointer, in the corner).
bolt_pixels() { red_pixels "$1" 200x200+150+150; }

# Red bolt pixels summed over several screenshots, since a volley leaves only every fifth frame.
bolt_pixels_over_shots() {
  local name="$1" total=0
  for i in 1 2 3 4 5; do
    shot "${name}_$i"
    total=$((total + $(bolt_pixels "${name}_$i")))
    sleep 0.13
  done
  echo "$total"
}

start_display
start_game "$game_binary"
tap space            # leave the title screen
tap 3                # the chase view: the bolts fly ahead of the ship
sleep 1.0
before=$(bolt_pixels_over_shots fire_before)

# Each condition is awaited, not timed: a loaded machine draws fewer frames a second.
xdotool keydown space
during=$(await "v >= $before + 25" 15 bolt_pixels_over_shots fire_during)
xdotool keyup space
after=$(await "v <= $before + 5" 15 bolt_pixels_over_shots fire_after)   # the last bolts fly out of sight

echo "red bolt pixels over five shots: before $before, while firing $during, after release $after"
check "$during >= $before + 25" "no bolts seen while the fire key was held"
check "$after <= $before + 5" "bolts still being fired after the key was released"
finish
