#!/usr/bin/env bash
# Records the committed demos from the real game, played through xdotool under
# a private X server, each from a fixed seed, and the scripted game of a
# capital ship's end (by record_scripted_demo, built beside the tests). Run it
# again when a rule changes on purpose (the demos then no longer verify):
#   bash tests/demos/record_demos.sh build/src/veltrane build/data /tmp/demo-shots [NAME...]
# Each demo must show what it is kept for (its line in expected_events.txt);
# a take that misses it, as the timing of keys can, is played again.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
demo_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
shift 3

hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }

# A death flying into a block, the death view, a restart and a little play.
play_death_restart() {
  hold Right 0.75
  hold Up 0.25
  sleep 12
  tap r
  xdotool keydown space; hold Left 1; xdotool keyup space
  sleep 2
}

# The pause menu walked with every option switched, full screen by the menu
# and left by F1.
play_pause_menu() {
  xdotool keydown space; sleep 1; xdotool keyup space
  tap p               # left switches an option on, right off
  tap Left            # full screen
  sleep 1
  tap Down; tap Left  # nebula
  tap Down; tap Left  # inverted pitch
  tap Down; tap Left  # invincible
  tap Down; tap Right # the chase view
  tap p
  hold Up 1
  xdotool key F1
  sleep 1
  tap p; tap Down; tap Down; tap Right; tap p  # pitch as it was
  hold Down 1
}

# The largest grey shape on screen (a capital ship's hull: grey, neither dark
# nor bright), as "x y", or nothing.
capital_ship_on_screen() {
  import -window "$window_id" "$shot_dir/aim.png"
  convert "$shot_dir/aim.png" -crop 500x430+0+35 +repage \
    -colorspace HSL -separate -delete 0 \( -clone 0 -threshold 9% -negate \) \
    \( -clone 1 -threshold 30% \) \( -clone 1 -threshold 80% -negate \) -delete 0,1 -evaluate-sequence min \
    -define connected-components:verbose=true -define connected-components:area-threshold=400 \
    -connected-components 8 null: |
    awk 'NR > 1 && $NF ~ /255/ { split($3, c, ",")
           if (c[1] > 180 && c[1] < 320 && c[2] > 300) next  # the ship itself
           if ($4 > best) { best = $4; at = int(c[1]) " " int(c[2]) + 35 } }
         END { if (at != "") print at }'
}

# The chase view, invincible, in passes at the three capital ships on the
# left: firing ahead and with the pointer at the largest hull on screen
# while it is in sight, then a little more than a half loop, which turns
# back towards them (a half loop alone would pass a loop's width away).
play_chase_pointer() {
  tap i; tap 3
  hold Left 1.5
  hold Up "${PITCH_SECONDS:-2.05}"
  xdotool keydown space
  local pass at
  for pass in $(seq "${PASSES:-6}"); do
    while at=$(capital_ship_on_screen) && [ -n "$at" ]; do
      for _ in 1 2 3; do xdotool mousemove --window "$window_id" $at click 1; sleep 0.03; done
    done
    sleep 0.5
    hold Up "${TURN_SECONDS:-3.4}"
  done
  xdotool keyup space
}

record() {
  local name="$1" seed="$2" take
  for take in 1 2 3; do
    echo "== $name, take $take"
    start_game "$game_binary" --seed "$seed" --record "$demo_dir/$name.vdemo"
    begin_play
    "play_${name//-/_}"
    tap q
    expect_end "exit 0" 20 "$name: q"
    if bash "$demo_dir/verify_demo.sh" "$game_binary" "$demo_dir/$name.vdemo" "$demo_dir/expected_events.txt"; then
      return 0
    fi
  done
  fail "$name: three takes missed what the demo is for"
}

start_display
names=("${@:-death-restart pause-menu chase-pointer capital-ship}")
for name in ${names[@]}; do
  case "$name" in
    death-restart) record death-restart 1 ;;
    pause-menu) record pause-menu 2 ;;
    chase-pointer) record chase-pointer 3 ;;
    capital-ship)
      "$(dirname "$game_binary")/../tests/demos/record_scripted_demo" "$demo_dir/capital-ship.vdemo"
      bash "$demo_dir/verify_demo.sh" "$game_binary" "$demo_dir/capital-ship.vdemo" "$demo_dir/expected_events.txt" ||
        fail "capital-ship: the scripted game does not show what the demo is for" ;;
    *) fail "no demo called $name" ;;
  esac
done
finish ended
