#!/usr/bin/env bash
# Runs the soak twice with the same seed, each in a fresh process: both runs
# must pass their memory check and end on the same state hash.
# Usage: soak_twice.sh SOAK_BINARY DATA_DIR STEPS SEED
set -euo pipefail
soak="$1" data="$2" steps="$3" seed="$4"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
hashes=()
for run in 1 2; do
  echo "== run $run"
  "$soak" --data "$data" --steps "$steps" --seed "$seed" | tee "$log"
  hashes+=("$(sed -n 's/^final hash //p' "$log")")
done
if [ -z "${hashes[0]}" ] || [ "${hashes[0]}" != "${hashes[1]}" ]; then
  echo "FAIL: the two runs ended on different states: ${hashes[0]} and ${hashes[1]}"
  exit 1
fi
echo "both runs ended on state hash ${hashes[0]}"
