#!/usr/bin/env bash
# The installed program, run by a user in an X server: it starts from the
# install tree (not the build folder), keeps its settings in the user's
# configuration folder because its own folder is not writable to the user,
# carries the desktop entry's window class, and a second start ends silently.
source "$(dirname "$0")/common.sh"
make_scratch
prefix=$scratch/prefix
install_tree "$prefix"
program=$prefix/bin/quintavo
if [ "$(id -u)" -ne 0 ]; then
    chmod a-w "$prefix/bin"
    cleanup_steps+=("chmod u+w '$prefix/bin'")
fi
start_xvfb
prepare_session
settings=$session/config/quintavo/quintavo.ini

note "first start"
start_in_session "$scratch/first.log" "$program"
first=$started_pid
cleanup_steps+=("kill $first 2>/dev/null; wait $first 2>/dev/null")
wait_for 30 test -s "$settings" \
    || { cat "$scratch/first.log"; ls -R "$session/config"; fail "no settings file at $settings"; }
wait_for 30 visible_windows_of "$first" >/dev/null \
    || { cat "$scratch/first.log"; fail "the program shows no window"; }
[ ! -e "$prefix/bin/quintavo.ini" ] || fail "the installed program wrote its settings beside itself"
for section in Extended Language BoardSettings Settings Options Custom; do
    grep -qx "\[$section\]" "$settings" || fail "the settings file has no [$section]:"$'\n'"$(cat "$settings")"
done
grep -qx "iTimeLimit=300" "$settings" || fail "the settings file lacks iTimeLimit=300"

note "window class and icon"
# X11 desktops match a window to its menu entry (and so its icon) by the class
# part of WM_CLASS, which Qt takes from the application name; task switchers
# that do not match show the window's own icon.
for window in $(visible_windows_of "$first"); do
    xprop -len 16 -id "$window" _NET_WM_ICON | grep -q "^_NET_WM_ICON(CARDINAL) = " \
        || fail "window $window carries no icon"
    class=$(xprop -id "$window" WM_CLASS)
    grep -q ", \"$QUINTAVO_APP_ID\"\$" <<<"$class" \
        || fail "window $window has $class; the desktop entry's StartupWMClass is $QUINTAVO_APP_ID (the program must call QGuiApplication::setApplicationName(\"$QUINTAVO_APP_ID\") and setDesktopFileName(\"$QUINTAVO_APP_ID\") before its first window)"
done

note "second start"
before=$(md5sum <"$settings")
start_in_session "$scratch/second.log" "$program"
second=$started_pid
cleanup_steps+=("kill $second 2>/dev/null; wait $second 2>/dev/null")
for ((i = 0; i < 200; i++)); do
    alive "$second" || break
    ! visible_windows_of "$second" >/dev/null || fail "the second start shows a window"
    sleep 0.1
done
alive "$second" && fail "the second start is still running after 20 s"
rc=0
wait "$second" || rc=$?
[ "$rc" -eq 0 ] || { cat "$scratch/second.log"; fail "the second start ended with status $rc"; }
alive "$first" || fail "the first instance ended when the second started"
visible_windows_of "$first" >/dev/null || fail "the first instance lost its window"
[ "$(md5sum <"$settings")" = "$before" ] || fail "the second start changed the settings file"

echo "installed program keeps its settings in $settings and runs once"
