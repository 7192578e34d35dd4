#!/usr/bin/env bash
# Runs the soak twice with one seed, each in a fresh process: both runs must pass their own
# checks and end on the same state hash.
# Usage: soak_twice.sh SOAK_BINARY DATA_DIR STEPS SEED
set -euo pipefail
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
for run in 1 2; do
  echo "== run $run"
  "$1" --data "$2" --steps "$3" --seed "$4" | tee "$log"
  hashes[run]="$(sed -n 's/^final hash //p' "$log")"
done
if [ -z "${hashes[1]}" ] || [ "${hashes[1]}" != "${hashes[2]}" ]; then
  echo "FAIL: the two runs ended on different states: ${hashes[1]} and ${hashes[2]}"
  exit 1
fi
echo "both runs ended on state hash ${hashes[1]}"
