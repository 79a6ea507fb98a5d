#!/usr/bin/env bash
# The package from the folder $1, really installed on this machine with
# apt-get: a menu entry whose command starts the game with its library, then
# removed with apt-get, leaving nothing behind.
source "$(dirname "$0")/common.sh"
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
require_tools apt-get dpkg-query desktop-file-validate ldd
if dpkg-query -W -f='${Status}' quintavo 2>/dev/null | grep -q "installed"; then
    skip "a quintavo package is installed on this machine already; this test leaves it alone"
fi
debs=("$1"/quintavo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package in $1, found: ${debs[*]}"
deb=$(realpath "${debs[0]}")
make_scratch
apt=(apt-get -y -q -o DPkg::Lock::Timeout=300)
export DEBIAN_FRONTEND=noninteractive

note "apt-get install $deb"
cleanup_steps+=("${apt[*]} remove quintavo >/dev/null 2>&1")
"${apt[@]}" install "$deb" >"$scratch/install.log" 2>&1 || { cat "$scratch/install.log"; fail "apt-get install failed"; }
dpkg-query -W -f='${Status}' quintavo | grep -qx "install ok installed" || fail "quintavo is not installed"
dpkg-query -L quintavo >"$scratch/files"

note "menu entry"
entry=/usr/share/applications/$QUINTAVO_APP_ID.desktop
[ -f "$entry" ] || fail "no menu entry $entry"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "the entry's icon $icon is not in the hicolor theme"
# The entry's command, found as a desktop session finds it: on Debian's PATH
# for users.
user_path=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
command=$(PATH=$user_path command -v "$exec_cmd") || fail "'$exec_cmd' of the menu entry is not on $user_path"
[ "$command" = /usr/games/quintavo ] || fail "the menu entry runs $command"

note "the program resolves its library"
# The loader takes $ORIGIN from the program's real path; ldd, given a link,
# from the link's folder, so it is asked about the real file.
real=$(realpath "$command")
deps=$(env -u LD_LIBRARY_PATH ldd "$real")
! grep -q "not found" <<<"$deps" || fail "unresolved libraries of $real:"$'\n'"$deps"
grep -q "libvessaro.so.0 => /usr/lib/quintavo/bin/../lib/libvessaro.so.0 " <<<"$deps" \
    || fail "libvessaro.so.0 is not taken from /usr/lib/quintavo/lib:"$'\n'"$deps"

note "the menu entry's command starts the game"
start_xvfb
prepare_session "$user_path"
start_in_session "$scratch/game.log" "$exec_cmd"
game=$started_pid
cleanup_steps+=("kill $game 2>/dev/null; wait $game 2>/dev/null")
wait_for 30 visible_windows_of "$game" >/dev/null || { cat "$scratch/game.log"; fail "the game shows no window"; }
kill "$game"
wait "$game" 2>/dev/null || true

note "apt-get remove quintavo"
"${apt[@]}" remove quintavo >"$scratch/remove.log" 2>&1 || { cat "$scratch/remove.log"; fail "apt-get remove failed"; }
status=$(dpkg-query -W -f='${Status}' quintavo 2>/dev/null || true)
[ -z "$status" ] || [ "$status" = "unknown ok not-installed" ] || fail "after removal quintavo is '$status'"
left=$(while read -r path; do
    if [ -L "$path" ] || { [ -e "$path" ] && [ ! -d "$path" ]; }; then echo "$path"; fi
done <"$scratch/files")
[ -z "$left" ] || fail "files left after removal:"$'\n'"$left"
for dir in /usr/lib/quintavo /usr/share/doc/quintavo; do
    [ ! -e "$dir" ] || fail "$dir is left after removal"
done

echo "apt-get installs and removes $(basename "$deb") cleanly"
