#!/usr/bin/env bash
# Checks a committed demo: the game replays it to the hash it recorded, and
# the replay shows what the demo is kept for, its line in the events file
# ("name.vdemo: <extended regular expression on the replay's events line>").
# Usage: verify_demo.sh GAME_BINARY DEMO EVENTS_FILE
set -uo pipefail
game="$1" demo="$2" events="$3"
name="$(basename "$demo")"
output="$("$game" --verifydemo "$demo")"
status=$?
echo "$output"
[ "$status" -eq 0 ] || { echo "FAIL: $name does not replay as recorded (exit $status)"; exit 1; }
pattern="$(sed -n "s/^$name: //p" "$events")"
[ -n "$pattern" ] || { echo "FAIL: $events has no line for $name"; exit 1; }
grep -Eq "$pattern" <<<"$output" || { echo "FAIL: $name does not show /$pattern/"; exit 1; }
echo "PASS: $name"
