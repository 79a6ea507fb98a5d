#!/usr/bin/env bash
# End-to-end run of the real program as a native Wayland client of a headless
# sway, as an unprivileged user, driven by a virtual pointer and keyboard,
# with grim screenshots kept under test-artifacts/e2e. Needs QUINTAVO_BIN and
# QUINTAVO_ARTIFACT_DIR. Exit status 77 means it could not run here.
set -euo pipefail
: "${QUINTAVO_BIN:?}" "${QUINTAVO_ARTIFACT_DIR:?}"
here=$(cd "$(dirname "$0")" && pwd)

for tool in sway swaymsg grim wtype convert; do
    command -v "$tool" >/dev/null || { echo "no $tool here"; exit 77; }
done
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    { echo "no Qt Wayland plugin (qt6-wayland) here"; exit 77; }

artifacts="$QUINTAVO_ARTIFACT_DIR/e2e"
mkdir -p "$artifacts"
rm -f "$artifacts"/wayland-*.png

# A session of its own that the user may enter: a private copy of the
# program, so its settings file and lock are this run's own.
work=$(mktemp -d /tmp/quintavo-wayland.XXXXXX)
chmod 755 "$work"
mkdir -p "$work/bin" "$work/home" "$work/config" "$work/run" "$work/shots"
chmod 700 "$work/run"
cp "$QUINTAVO_BIN" "$work/bin/quintavo"
mkdir "$work/lib"
cp -a "$(dirname "$QUINTAVO_BIN")"/../lib/libvessaro.so* "$work/lib/"
if [ "$(id -u)" -eq 0 ]; then
    # sway is not meant to run as root; nobody has no rights beyond the session.
    command -v setpriv >/dev/null || { echo "no setpriv here"; exit 77; }
    chown -R 65534:65534 "$work/home" "$work/config" "$work/run" "$work/shots"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
    as_user=()
fi
session=(env -i HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
    PATH=/usr/bin:/bin LANG=C.UTF-8 LC_ALL=C.UTF-8)

sway_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$sway_pid" ] && kill "$sway_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

backdrop="51,102,204"
cat >"$work/sway.conf" <<'EOF'
output * bg #3366cc solid_color
output HEADLESS-1 resolution 1024x768
default_border none
default_floating_border none
for_window [app_id="^com\.harbrook\.quintavo$"] floating enable
EOF
"${as_user[@]}" "${session[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
sway_pid=$!

note() { echo "[wayland] ${SECONDS}s: $*"; }
step=0
last_shot=""
fail() {
    shot "failed" || true
    echo "FAILED (wayland): $*" >&2
    [ -s "$work/program.log" ] && { echo "program output:" >&2; tail -n 40 "$work/program.log" >&2; }
    echo "windows:" >&2
    views list >&2 || true
    exit 1
}
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}

socket_of() { find "$work/run" -maxdepth 1 -name "$1" -type s -printf '%f\n' | head -n1; }
has_socket() { [ -n "$(socket_of "$1")" ]; }
for socket in 'wayland-*' 'sway-ipc.*'; do
    wait_for 20 has_socket "$socket" || { cat "$work/sway.log" >&2; echo "sway has no $socket" >&2; exit 1; }
done
# A Wayland session as a desktop sets it up; Qt picks its platform itself.
run=("${as_user[@]}" "${session[@]}" WAYLAND_DISPLAY="$(socket_of 'wayland-*')"
    SWAYSOCK="$work/run/$(socket_of 'sway-ipc.*')" XDG_SESSION_TYPE=wayland)

views() { "${run[@]}" /usr/bin/python3 "$here/sway_views.py" "$@"; }
pointer() { "${run[@]}" /usr/bin/python3 "$here/wl_pointer.py" 1024 768 "$@"; }
# The keyboard appears with the command; the window needs a moment to take it.
key() { "${run[@]}" wtype -s 1000 -k "$1"; }
# A key that opens a window is pressed once more if the first came too early
# for the program; a second press reaches the opened window, which ignores it.
open_with() { # key title
    key "$1"
    views wait "$2" 5 >/dev/null && return 0
    key "$1"
    views wait "$2" 10 >/dev/null
}
shot() {
    step=$((step + 1))
    local name
    name=$(printf 'wayland-%02d-%s.png' "$step" "$1")
    "${run[@]}" grim "$work/shots/$name"
    cp "$work/shots/$name" "$artifacts/$name"
    last_shot="$artifacts/$name"
}
pixel() {
    convert "$last_shot" -format \
        "%[fx:round(255*p{$1,$2}.r)],%[fx:round(255*p{$1,$2}.g)],%[fx:round(255*p{$1,$2}.b)]" info:
}
# The game window's top-left corner, into WX and WY.
locate_main() {
    local line
    line=$(views wait Quintavo 639x615 5 | head -n1) || fail "no game window"
    read -r WX WY _ <<<"$line"
}
program_ended() { ! kill -0 "$app_pid" 2>/dev/null; }

note "the splash shows, then the game window"
"${run[@]}" "$work/bin/quintavo" >"$work/program.log" 2>&1 &
app_pid=$!
views wait Quintavo 318x92 20 >/dev/null || fail "no splash window"
shot "splash"
views wait Quintavo 639x615 30 >/dev/null || fail "the game window did not show"
views gone Quintavo 318x92 10 || fail "the splash stayed"
locate_main
# No notification area here, so no icon either, and no complaint about one.
! grep -q "No such signal" "$work/program.log" || fail "Qt looked for an X11 tray signal"
sleep 0.5
shot "shaped"

note "only the outline is painted: the corners show what lies behind"
for corner in "0 0" "2 1" "638 300" "634 10" "0 300" "3 595" "630 610" "100 612"; do
    set -- $corner
    [ "$(pixel $((WX + $1)) $((WY + $2)))" = "$backdrop" ] ||
        fail "($1, $2) of the window is not transparent: $(pixel $((WX + $1)) $((WY + $2)))"
done
for inside in "300 12" "315 600" "630 300" "10 300"; do
    set -- $inside
    [ "$(pixel $((WX + $1)) $((WY + $2)))" != "$backdrop" ] || fail "($1, $2) of the window is missing"
done

note "a drag of the background moves the window"
x0=$WX
y0=$WY
pointer move $((WX + 300)) $((WY + 12)) wait 100 press \
    move $((WX + 280)) $((WY + 22)) move $((WX + 260)) $((WY + 32)) move $((WX + 240)) $((WY + 52)) \
    wait 100 release
sleep 0.3
locate_main
[ "$WX,$WY" = "$((x0 - 60)),$((y0 + 40))" ] || fail "dragged to $WX,$WY from $x0,$y0"
shot "dragged"

note "F8 opens the options dialog"
open_with F8 Optionen || fail "F8 opened no options dialog"
shot "options"
key Escape
views gone Optionen 10 || fail "Escape did not close the options dialog"

note "F9 opens the About window"
open_with F9 "Über Quintavo..." || fail "F9 opened no About window"
shot "about"
key Escape
views gone "Über Quintavo..." 10 || fail "Escape did not close the About window"

note "a second start ends at once without a window"
status=0
timeout 20 "${run[@]}" "$work/bin/quintavo" >"$work/second.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status: $(cat "$work/second.log")"
[ "$(views list | grep -c ' 639 615 ')" -eq 1 ] || fail "a second window appeared"
[ ! -s "$work/second.log" ] || fail "the second start said: $(cat "$work/second.log")"

note "the close button ends the program and writes no position"
locate_main
pointer move $((WX + 618)) $((WY + 12)) wait 100 click
wait_for 15 program_ended || fail "the close button did not end the program"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
store="$work/config/Harbrook/Chess.conf"
[ -f "$store" ] || fail "no placement stored at $store"
grep -q '^ShowCmd=1$' "$store" || fail "the show state was not kept: $(cat "$store")"
! grep -Eq '^(NormPos|MinMaxPos)' "$store" || fail "a position was written: $(cat "$store")"
echo "[wayland] passed"
