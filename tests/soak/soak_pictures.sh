#!/usr/bin/env bash
# Runs the soak with one seed once per picture count, each in a fresh process:
# every run must pass its own checks, and all must end on the same hashes, of
# the world's steps and of all the ticks own, whatever the pictures drawn.
# Usage: soak_pictures.sh SOAK_BINARY DATA_DIR STEPS SEED PICTURES...
set -euo pipefail
soak="$1" data="$2" steps="$3" seed="$4"
shift 4
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
first=""
for pictures in "$@"; do
  echo "== $pictures pictures a tick"
  "$soak" --data "$data" --steps "$steps" --seed "$seed" --pictures "$pictures" | tee "$log"
  hashes="$(grep '^final' "$log" | tr '\n' ' ')"
  if [ -z "$hashes" ]; then echo "FAIL: no hashes"; exit 1; fi
  if [ -z "$first" ]; then
    first="$hashes"
  elif [ "$hashes" != "$first" ]; then
    echo "FAIL: $pictures pictures a tick ended on $hashes, not $first"
    exit 1
  fi
done
echo "every run ended on $first"
