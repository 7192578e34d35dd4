#!/usr/bin/env bash
# Kills the settings writer at a random moment a hundred times. After every
# kill the file must be one of its two whole texts (or, before the first
# save, not there yet): never a part of one, never gone once it was there.
# Usage: settings_save_stress.sh STRESS_BINARY WORK_DIR
set -euo pipefail
stress="$1" work="$2"
rm -rf "$work"
mkdir -p "$work"
file="$work/config/veltrane/veltrane.conf"
"$stress" --texts "$work/one" "$work/two"
existed=0 seen_one=0 seen_two=0 failures=0
for round in $(seq 100); do
  "$stress" "$file" &
  pid=$!
  sleep "$(printf '0.%03d' $((RANDOM % 100)))"
  kill -KILL "$pid" 2>/dev/null || { echo "FAIL: round $round: the writer had already stopped" >&2; exit 1; }
  wait "$pid" 2>/dev/null || true
  if [ ! -e "$file" ]; then
    [ "$existed" = 0 ] || { echo "FAIL: round $round: the file is gone" >&2; failures=$((failures + 1)); }
  elif cmp -s "$file" "$work/one"; then
    existed=1 seen_one=$((seen_one + 1))
  elif cmp -s "$file" "$work/two"; then
    existed=1 seen_two=$((seen_two + 1))
  else
    echo "FAIL: round $round: the file is neither text ($(wc -c <"$file") bytes)" >&2
    cp "$file" "$work/bad.$round"
    existed=1 failures=$((failures + 1))
  fi
done
echo "after 100 kills: the first text $seen_one times, the second $seen_two times"
# Both texts seen: the writer was caught at different points of its loop.
[ "$seen_one" -gt 0 ] && [ "$seen_two" -gt 0 ] || { echo "FAIL: the kills did not catch both texts" >&2; exit 1; }
[ "$failures" -eq 0 ] || exit 1
echo PASS
