# Checks shared by the install and package tests, on a game laid out as
# installed under <root>/usr. Source with `root`, `work` (a scratch folder) and
# `shot_dir` set; this brings in the end-to-end helpers (X server, screenshots).
# Another layout names its folders below <root> in `games_dir` and `data_subdir`.
games_dir="${games_dir:-usr/games}" data_subdir="${data_subdir:-usr/share/games/veltrane}"
mkdir -p "$work/elsewhere" "$root/$games_dir"
set -- "$root/$games_dir/veltrane" "$work/elsewhere" "$shot_dir"
# shellcheck source=../e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
trap 'cleanup; rm -rf "$work"' EXIT
installed_data="$root/$data_subdir"

# The desktop entry, the metainfo and the manual page pass their own validators; the icons have their sizes.
check_desktop_files() {
  local page warnings size
  desktop-file-validate "$root/usr/share/applications/veltrane.desktop" || mark_failed "desktop-file-validate refuses the desktop entry"
  appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.veltrane.veltrane.metainfo.xml" >"$work/appstream.txt" 2>&1 ||
    mark_failed "appstreamcli refuses the metainfo: $(cat "$work/appstream.txt")"
  page=$(ls "$root"/usr/share/man/man6/veltrane.6* 2>/dev/null | head -n 1)
  warnings=$( [ -n "$page" ] && zcat -f "$page" | groff -man -ww -z 2>&1 || echo missing)
  [ -z "$warnings" ] || mark_failed "the manual page: $warnings"
  for size in 16 32 48 64 128 256; do
    [ "$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/veltrane.png" 2>/dev/null)" = "${size}x${size}" ] ||
      mark_failed "the ${size}x${size} icon is missing or of another size"
  done
}

# --help and --version answer with no display at all; any other argument is
# named on one line and refused with status 2.
check_command_line() {
  local output status=0
  output=$(env -u DISPLAY "$game_binary" --version) || mark_failed "--version exits with $?"
  [ "$output" = "Veltrane $1" ] || mark_failed "--version says '$output', not 'Veltrane $1'"
  output=$(env -u DISPLAY "$game_binary" --help) || mark_failed "--help exits with $?"
  [[ "$output" == Usage:\ veltrane* ]] || mark_failed "--help does not start with a usage line: ${output%%$'\n'*}"
  output=$(env -u DISPLAY "$game_binary" --no-such-option 2>&1) || status=$?
  [ "$status" -eq 2 ] || mark_failed "an unknown argument exits with $status, not 2"
  [ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] && [[ "$output" == *--no-such-option* ]] ||
    mark_failed "an unknown argument is not named on one line: $output"
}

# Started from an unrelated folder, the game changes into its installed data
# folder and draws the title screen, whose name image comes from that folder.
check_title_from_elsewhere() {
  local letters cwd
  start_display
  start_game "$game_binary"
  letters=$(wait_for title "v > 0.3" channel_mean 300x50+40+95 b)
  check "$letters > 0.3" "the title image did not draw: blue mean $letters"
  cwd=$(readlink "/proc/$game_pid/cwd")
  [ "$cwd" = "$(readlink -f "$installed_data")" ] || mark_failed "the game runs in $cwd, not in its installed data"
  if grep -q "no game data" "$shot_dir/game.log"; then mark_failed "the game found no data: $(cat "$shot_dir/game.log")"; fi
}
