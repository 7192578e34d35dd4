#!/usr/bin/env bash
# Builds the Debian packages from a copy of this working tree, so nothing is
# written beside the checkout: scripts/build-packages.sh <output folder>
# The tree is copied to <output folder>/veltrane and dpkg-buildpackage leaves
# the .deb files in <output folder>; its log is <output folder>/build.log.
# Uncommitted changes are included (see copy-tree.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(mkdir -p "$1" && cd "$1" && pwd)"
tree="$out/veltrane"
rm -rf "$tree"
mkdir -p "$tree"

"$root/scripts/copy-tree.sh" "$tree"

# Two jobs at most: the machine is shared, and the build is a full one.
cd "$tree"
if ! DEB_BUILD_OPTIONS="parallel=${VELTRANE_PACKAGE_JOBS:-2}" dpkg-buildpackage -b -us -uc >"$out/build.log" 2>&1; then
  tail -n 40 "$out/build.log" >&2
  echo "dpkg-buildpackage failed; the whole log is $out/build.log" >&2
  exit 1
fi
ls "$out"/*.deb
