#!/usr/bin/env bash
# The Debian packages: dpkg-buildpackage builds veltrane and veltrane-data
# from a copy of the tree in a temporary folder, lintian finds no error in
# them, each holds its own half of the game, and the game unpacked with
# dpkg -x and started from an unrelated folder finds its data and draws its
# title screen. A full build: minutes of CPU.
# Run as: bash test_package.sh <source dir> <screenshot dir>
set -euo pipefail
source_dir="$1" shot_dir="$2" work="$(mktemp -d)"
root="$work/root"
source "$(dirname "$0")/../install/installed_game.sh"

"$source_dir/scripts/build-packages.sh" "$work/build" >/dev/null || fail "the package build failed"
game_deb=$(ls "$work"/build/veltrane_*.deb)
data_deb=$(ls "$work"/build/veltrane-data_*.deb)

# lintian's whole report goes into the test log; only errors fail the test.
lintian "$game_deb" "$data_deb" >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
if grep -q '^E:' "$work/lintian.txt"; then mark_failed "lintian reports errors"; fi

# The executable and desktop files in veltrane, the generated data in veltrane-data.
game_files=$(dpkg-deb -c "$game_deb" | awk '{ print $6 }')
data_files=$(dpkg-deb -c "$data_deb" | awk '{ print $6 }')
grep -qx './usr/games/veltrane' <<<"$game_files" || mark_failed "veltrane lacks /usr/games/veltrane"
if grep -q '^./usr/share/games/' <<<"$game_files"; then mark_failed "veltrane holds game data"; fi
grep -qx './usr/share/games/veltrane/title.ppm' <<<"$data_files" || mark_failed "veltrane-data lacks the title image"
if grep -q '^./usr/games/' <<<"$data_files"; then mark_failed "veltrane-data holds the executable"; fi
[ "$(dpkg-deb -f "$data_deb" Architecture)" = all ] || mark_failed "veltrane-data is not architecture all"

for deb in "$game_deb" "$data_deb"; do dpkg -x "$deb" "$root"; done
# The package's version is the one the game reports. The desktop files are the
# ones the install test validates, from the same `cmake --install`.
check_command_line "$(dpkg-deb -f "$game_deb" Version)"
check_title_from_elsewhere
finish
