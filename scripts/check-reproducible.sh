#!/usr/bin/env bash
# Builds the packages twice, from copies of this tree in two different
# temporary folders, and checks that every .deb comes out byte for byte the
# same. Two full builds take minutes, so this is a script, not part of ./test.
# Usage: scripts/check-reproducible.sh [work folder]   (kept when given)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ $# -ge 1 ]; then
  work="$(mkdir -p "$1" && cd "$1" && pwd)"
else
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
fi

# One snapshot of the tree feeds both builds, so an edit made meanwhile cannot
# tell them apart. The two build folders lie at paths of different lengths, to
# catch a build path that leaks into a package.
"$root/scripts/copy-tree.sh" "$work/snapshot"
"$work/snapshot/scripts/build-packages.sh" "$work/first" >/dev/null
"$work/snapshot/scripts/build-packages.sh" "$work/second-build" >/dev/null

status=0
for deb in "$work/first"/*.deb; do
  name="$(basename "$deb")"
  twin="$work/second-build/$name"
  first_sum="$(sha256sum "$deb" | cut -d' ' -f1)"
  if [ ! -e "$twin" ]; then
    echo "MISSING  $name in the second build"
    status=1
    continue
  fi
  second_sum="$(sha256sum "$twin" | cut -d' ' -f1)"
  if [ "$first_sum" = "$second_sum" ]; then
    echo "SAME     $first_sum  $name ($(stat -c %s "$deb") bytes)"
  else
    echo "DIFFER   $name: $first_sum / $second_sum"
    status=1
  fi
done
if [ "$status" -ne 0 ]; then
  echo "The builds are kept in $work: diffoscope on a differing pair shows where they part." >&2
  trap - EXIT
fi
exit "$status"
