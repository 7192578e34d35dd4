#!/usr/bin/env bash
# Copies the source tree to <destination> as it stands, uncommitted changes
# included: every file git tracks or would track (ignored files and build
# trees are left out). Outside a git checkout, everything but build trees.
# Usage: scripts/copy-tree.sh <destination>
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$1"
destination="$(cd "$1" && pwd)"

if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # Files deleted in the working tree are still in the index: copy only those that exist.
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null --files-from=- -cf -) | tar -xf - -C "$destination"
else
  (cd "$root" && tar --exclude='./build*' --exclude='./obj-*' -cf - .) | tar -xf - -C "$destination"
fi
