#!/usr/bin/env bash
# `cmake --install` staged into a temporary root: every file lands in Debian's
# layout for games, the desktop files pass their validators, the command line
# answers without a window, and the staged game started from an unrelated
# folder finds its data and draws its title screen.
# Run as: bash test_install.sh <build dir> <version> <screenshot dir>
set -euo pipefail
build_dir="$1" version="$2" shot_dir="$3" work="$(mktemp -d)"
root="$work/root"
DESTDIR="$root" cmake --install "$build_dir" --prefix /usr >"$work/install.log" ||
  { cat "$work/install.log" >&2; exit 1; }
source "$(dirname "$0")/installed_game.sh"

# Outside the data folder, exactly these files.
expected=$(printf '%s\n' usr/games/veltrane usr/share/applications/veltrane.desktop \
  usr/share/icons/hicolor/{128x128,16x16,256x256,32x32,48x48,64x64}/apps/veltrane.png \
  usr/share/man/man6/veltrane.6 usr/share/metainfo/io.github.veltrane.veltrane.metainfo.xml)
installed=$(cd "$root" && find . -type f ! -path './usr/share/games/veltrane/*' | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$expected" ] || mark_failed "installed files differ: $(diff <(echo "$expected") <(echo "$installed") | grep '^[<>]' | tr '\n' ' ')"
# The data folder holds every file the build generated, the window icons too.
generated=$(cd "$build_dir/data" && ls | grep -E '\.(ppm|bmp|wav|mp3)$|^icon(16|32|48|64)\.png$')
[ "$(ls "$installed_data")" = "$generated" ] || mark_failed "the installed data differs from the build's data folder"

check_desktop_files
check_command_line "$version"
check_title_from_elsewhere
finish
