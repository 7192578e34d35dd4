#!/usr/bin/env bash
# Records the soak's seeded random play as the game records games, from the
# first game's start and its last game alone (which starts at a restart), and
# replays both with the game's --verifydemo: the same hash at every checkpoint
# and at the end.
# Usage: soak_demo.sh SOAK_BINARY GAME_BINARY DATA_DIR STEPS SEED
set -euo pipefail
soak="$1" game="$2" data="$3" steps="$4" seed="$5"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$soak" --data "$data" --steps "$steps" --seed "$seed" --pictures 0 \
  --record "$work/run.vdemo" --last-game "$work/last.vdemo" | tee "$work/soak.log"
restarts="$(sed -n 's/.*restarts \([0-9]*\).*/\1/p' "$work/soak.log")"
if [ "${restarts:-0}" -lt 1 ]; then echo "FAIL: the run has no restart"; exit 1; fi
ls -l "$work"/*.vdemo
for demo in run last; do
  "$game" --verifydemo "$work/$demo.vdemo" | tee "$work/$demo.log"
  grep -q ': matches$' "$work/$demo.log" || { echo "FAIL: $demo.vdemo does not replay"; exit 1; }
done
if [ -e "$work/last.vdemo.part" ]; then echo "FAIL: the last game was left unfinished"; exit 1; fi
