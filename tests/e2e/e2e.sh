#!/usr/bin/env bash
# End-to-end runs of the real program in a virtual X server of its own,
# driven by real pointer and key events. Usage: e2e.sh game|chrome|tray|dbus_tray,
# or e2e.sh dense-<factor> for the game on a screen of that scale factor.
# Needs QUINTAVO_BIN (the built program) and QUINTAVO_ARTIFACT_DIR (where the
# screenshots go). Exit status 77 means the scenario could not run here.
set -euo pipefail

scenario=${1:?scenario}
: "${QUINTAVO_BIN:?}" "${QUINTAVO_ARTIFACT_DIR:?}"

# The D-Bus tray runs on a private session bus of its own, so that no desktop
# of this machine answers in place of the test's watcher.
if [ "$scenario" = dbus_tray ] && [ -z "${QUINTAVO_PRIVATE_BUS:-}" ]; then
    for tool in dbus-run-session gdbus; do
        command -v "$tool" >/dev/null || { echo "no $tool here"; exit 77; }
    done
    /usr/bin/python3 -c 'from gi.repository import Gio' 2>/dev/null ||
        { echo "no python3-gi here"; exit 77; }
    exec dbus-run-session -- env QUINTAVO_PRIVATE_BUS=1 bash "$0" "$@"
fi

artifacts="$QUINTAVO_ARTIFACT_DIR/e2e"
mkdir -p "$artifacts"
rm -f "$artifacts/$scenario"-*.png

# A private copy of the program, so its settings file and lock are this
# run's own; the companion library is found through ../lib.
work=$(mktemp -d)
mkdir -p "$work/bin" "$work/home" "$work/config" "$work/run" "$work/games"
chmod 700 "$work/run"
ln "$QUINTAVO_BIN" "$work/bin/quintavo" 2>/dev/null || cp "$QUINTAVO_BIN" "$work/bin/quintavo"
ln -s "$(cd "$(dirname "$QUINTAVO_BIN")/../lib" && pwd)" "$work/lib"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
export QT_QPA_PLATFORM=xcb
# Dialog titles and dates as this script expects them, whatever the machine's language.
export LC_ALL=C.UTF-8 LANGUAGE=
# Qt's own file dialogs, which xdotool can type into.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION QT_QPA_PLATFORMTHEME WAYLAND_DISPLAY
cd "$work/home"

app_pid=""
helper_pid=""
server_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$helper_pid" ] && kill "$helper_pid" 2>/dev/null || true
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display itself and names it on fd 3, so parallel
# runs cannot collide; local clients need no cookie. Without -noreset it
# would reset whenever its last client left, refusing whoever came then.
screen=1024x768x24
case "$scenario" in dense-*) screen=2048x1536x24 ;; esac
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "$screen" 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
server_pid=$!
for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
unset XAUTHORITY

step=0
fail() {
    shot "failed" || true
    echo "FAILED ($scenario): $*" >&2
    if [ -s "$work/program.log" ]; then
        echo "program output:" >&2
        tail -n 40 "$work/program.log" >&2
    fi
    echo "visible windows:" >&2
    local w
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "  $w '$(xdotool getwindowname "$w" 2>/dev/null)'" \
            "$(xdotool getwindowgeometry "$w" 2>/dev/null | tr -s '\n ' ' ')" >&2
    done
    exit 1
}
note() { echo "[$scenario] ${SECONDS}s: $*"; }

# Screenshot of the whole screen, kept as an artifact; also the picture the
# pixel checks read.
last_shot=""
shot() {
    step=$((step + 1))
    last_shot=$(printf '%s/%s-%02d-%s.png' "$artifacts" "$scenario" "$step" "$1")
    import -window root "$last_shot"
}
# "r,g,b" of a pixel of the last screenshot (or of the picture given third).
pixel() {
    convert "${3:-$last_shot}" -format \
        "%[fx:round(255*p{$1,$2}.r)],%[fx:round(255*p{$1,$2}.g)],%[fx:round(255*p{$1,$2}.b)]" info:
}

# Polls a command until it succeeds, every 100 ms, for at most $1 seconds.
wait_for() {
    local timeout=$1
    shift
    local deadline=$((SECONDS + timeout))
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}

# Visible top-level windows with exactly this title (xdotool's own match
# ignores case), optionally of this size.
windows_named() {
    local title=$1 size=${2:-}
    local w
    for w in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$title" ] || continue
        if [ -n "$size" ]; then
            local WIDTH=0 HEIGHT=0 X=0 Y=0 SCREEN=0 WINDOW=0
            eval "$(xdotool getwindowgeometry --shell "$w")"
            [ "${WIDTH}x${HEIGHT}" = "$size" ] || continue
        fi
        echo "$w"
    done
}
has_window() { [ -n "$(windows_named "$@")" ]; }
no_window() { [ -z "$(windows_named "$@")" ]; }
main_window() { windows_named Quintavo 639x615 | head -n1; }

# The main window's top-left corner on the screen, into WX and WY.
locate_main() {
    main=$(main_window)
    [ -n "$main" ] || fail "no game window"
    local WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$main")"
    WX=$X
    WY=$Y
}

# Gives a window the keyboard; a window that has only just been mapped may
# refuse at first.
focus() {
    local i
    for i in 1 2 3 4 5 6 7 8 9 10; do
        xdotool windowfocus "$1" 2>/dev/null || true
        sleep 0.1
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
    done
    note "could not give window $1 the keyboard"
}
press() {
    focus "$1"
    shift
    xdotool key "$@"
}
type_into() {
    focus "$1"
    xdotool key ctrl+a
    xdotool type --delay 5 "$2"
    xdotool key Return
}

start_game() {
    "$work/bin/quintavo" >"$work/program.log" 2>&1 &
    app_pid=$!
    wait_for 30 has_window Quintavo 639x615 || fail "the game window did not show"
    locate_main
    # The window is fully drawn once the picture's title bar shows.
    sleep 0.3
}

# Whether line $1 (from 1) of the move list shows any text: its band of the
# list holds dark pixels.
list_line_has_text() {
    import -window root "$work/list.png"
    local y=$((WY + 111 + ($1 - 1) * 13))
    local darkest
    darkest=$(convert "$work/list.png" -crop "170x13+$((WX + 440))+$y" +repage \
        -colorspace Gray -format '%[fx:minima.intensity]' info:)
    awk -v d="$darkest" 'BEGIN { exit !(d < 0.4) }'
}

# Pointer centre of a square (white at the bottom): board at (16, 61),
# border 20, squares 45 pixels.
square_x() { echo $((WX + 16 + 20 + ($1) * 45 + 22)); }
square_y() { echo $((WY + 61 + 20 + (8 - $1) * 45 + 22)); }

# Pointer moves never wait for the motion to be reported: a pointer already
# in place would never report one.
drag() { # x0 y0 x1 y1 [button]
    local button=${5:-1}
    xdotool mousemove "$1" "$2"
    sleep 0.05
    xdotool mousedown "$button"
    local i
    for i in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))
        sleep 0.03
    done
    xdotool mouseup "$button"
}

# Qt's dialogs speak the game's language (German here), not the system's.
save_through_dialog() { # path
    press "$main" F4
    wait_for 10 has_window "Speichern unter" || fail "F4 opened no German save dialog"
    shot "save-dialog"
    type_into "$(windows_named "Speichern unter" | head -n1)" "$1"
    wait_for 10 test -s "$1" || fail "nothing was saved to $1"
    wait_for 10 no_window "Speichern unter" || fail "the save dialog stayed open"
}

check_saved_game() { # path
    local file=$1
    [ "$(grep -c $'\r$' "$file")" -eq 12 ] || fail "$file: not 12 lines ended by CR LF"
    [ "$(wc -l <"$file")" -eq 12 ] || fail "$file: not 12 lines"
    mapfile -t lines < <(sed 's/\r$//' "$file")
    [ "${lines[0]}" = "Quintavo saved file; $(basename "$file")" ] || fail "header: ${lines[0]}"
    [ -n "${lines[1]}" ] || fail "no date"
    [ "${lines[2]}" = "#--#" ] || fail "marker: ${lines[2]}"
    [ -z "${lines[3]}" ] || fail "line 4 not empty"
    [ "${#lines[4]}" -eq 36 ] || fail "notice not 36 characters: ${lines[4]}"
    [ "${lines[5]}" = "_______________________" ] || fail "rule: ${lines[5]}"
    [ -z "${lines[6]}" ] || fail "line 7 not empty"
    [ "${lines[7]}" = "1. E2-E4" ] || fail "White's move: ${lines[7]}"
    [[ "${lines[8]}" =~ ^\ {14}[A-H][1-8]-[A-H][1-8]$ ]] || fail "Black's move: '${lines[8]}'"
    [ -z "${lines[9]}" ] && [ -z "${lines[10]}" ] || fail "trailer blank lines"
    [ "${lines[11]}" = "#--#" ] || fail "trailer marker: ${lines[11]}"
}

program_ended() { ! kill -0 "$app_pid" 2>/dev/null; }

# The settings file: beside the program where it keeps one there, else in the
# user's configuration folder.
settings_file() {
    if [ -f "$work/bin/quintavo.ini" ]; then
        echo "$work/bin/quintavo.ini"
    else
        echo "$XDG_CONFIG_HOME/quintavo/quintavo.ini"
    fi
}

close_by_button() {
    locate_main
    xdotool mousemove $((WX + 618)) $((WY + 12)) sleep 0.1 click 1
    wait_for 15 program_ended || fail "the close button did not end the program"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

scenario_game() {
    start_game
    shot "started"

    note "a second start ends at once without a window"
    local status=0
    timeout 20 "$work/bin/quintavo" >"$work/second.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "the second start ended with status $status"
    [ "$(windows_named Quintavo 639x615 | wc -l)" -eq 1 ] || fail "a second window appeared"
    shot "second-start"

    note "a new game, e2 to e4 by mouse, and the computer's answer"
    press "$main" F2
    xdotool mousemove $((WX + 300)) $((WY + 300)) sleep 0.1
    drag "$(square_x 4)" "$(square_y 2)" "$(square_x 4)" "$(square_y 4)"
    wait_for 10 list_line_has_text 1 || fail "the move was not listed"
    shot "moved"
    wait_for 60 list_line_has_text 2 || fail "the computer did not answer"
    shot "answered"

    note "F4 saves through the file dialog"
    save_through_dialog "$work/games/game.vsr"
    shot "saved"
    check_saved_game "$work/games/game.vsr"

    note "F3 loads it back"
    press "$main" F3
    wait_for 10 has_window "Öffnen" || fail "F3 opened no German open dialog"
    type_into "$(windows_named "Öffnen" | head -n1)" "$work/games/game.vsr"
    wait_for 10 no_window "Öffnen" || fail "the open dialog stayed open"
    sleep 0.3
    shot "loaded"
    save_through_dialog "$work/games/again.vsr"
    check_saved_game "$work/games/again.vsr"
    diff <(sed -n 8,9p "$work/games/game.vsr") <(sed -n 8,9p "$work/games/again.vsr") >/dev/null ||
        fail "the loaded game differs from the saved one"

    note "the close button ends the program"
    close_by_button
    shot "closed"
    local ini
    ini=$(settings_file)
    [ -f "$ini" ] || fail "no settings file"
    [ "$(grep -cE '^[A-Za-z]+=' "$ini")" -eq 31 ] || fail "quintavo.ini does not hold 31 keys"
    local key
    for key in bAskForSaving CurrentLanguageID PathPic ShowIt ThinkingPriority Preview \
        iTimeLimit ShowThreeFoldPos CustomEngine; do
        grep -q "^$key=" "$ini" || fail "quintavo.ini lacks $key"
    done
}

scenario_chrome() {
    import -window root "$work/background.png"
    # What an earlier Wayland run of another version could leave: a position
    # of (0, 0), which means none; the window opens centred all the same.
    mkdir -p "$XDG_CONFIG_HOME/Harbrook"
    printf '[ChessWindow]\nFlags=0\nFormVersion=0\nMinMaxPos="-1,-1,-1,-1"\nNormPos="0,0,639,615"\nPixelsPerInch=96\nShowCmd=1\n' \
        >"$XDG_CONFIG_HOME/Harbrook/Chess.conf"
    "$work/bin/quintavo" >"$work/program.log" 2>&1 &
    app_pid=$!
    note "the splash shows and goes"
    wait_for 20 has_window Quintavo 318x92 || fail "no splash window"
    shot "splash"
    wait_for 30 has_window Quintavo 639x615 || fail "the game window did not show"
    wait_for 10 no_window Quintavo 318x92 || fail "the splash stayed"
    locate_main
    [ "$WX,$WY" = "192,76" ] || fail "a stored (0, 0) put the window at $WX,$WY, not centred"
    sleep 0.3
    shot "shaped"

    note "the window has its outline"
    xwininfo -shape -id "$main" | grep -q "Window shape extents:  630x603+1+0" ||
        fail "the X shape is not the outline: $(xwininfo -shape -id "$main" | grep extents)"
    local backdrop corner
    backdrop=$(pixel 2 2 "$work/background.png")
    for corner in "0 0" "2 1" "638 300" "634 10" "3 595" "630 610" "100 612"; do
        set -- $corner
        [ "$(pixel $((WX + $1)) $((WY + $2)))" = "$backdrop" ] ||
            fail "($1, $2) of the window is not cut away: $(pixel $((WX + $1)) $((WY + $2))) against $backdrop"
    done
    [ "$(pixel $((WX + 300)) $((WY + 12)))" != "$backdrop" ] || fail "the title bar is missing"
    [ "$(pixel $((WX + 315)) $((WY + 600)))" != "$backdrop" ] || fail "the curved edge is missing"

    note "the left button drags the window by its picture, the right one does not"
    local x0=$WX y0=$WY
    at_place() { locate_main; [ "$WX,$WY" = "$1,$2" ]; }
    drag $((WX + 300)) $((WY + 12)) $((WX + 240)) $((WY + 52))
    wait_for 10 at_place $((x0 - 60)) $((y0 + 40)) || fail "dragged to $WX,$WY from $x0,$y0"
    shot "dragged"
    # A right drag, then a left one: once the left one has landed, the right
    # one (handled first) has had its chance to move the window too.
    drag $((WX + 300)) $((WY + 12)) $((WX + 340)) $((WY + 62)) 3
    drag $((WX + 300)) $((WY + 12)) $((WX + 310)) $((WY + 22))
    wait_for 10 at_place $((x0 - 50)) $((y0 + 50)) \
        || fail "the window stands at $WX,$WY: the right button moved it"

    note "F8, English, OK: the command labels speak English"
    import -window root "$work/german.png"
    press "$main" F8
    wait_for 10 has_window Optionen || fail "F8 opened no options dialog"
    shot "options"
    local dialog
    dialog=$(windows_named Optionen | head -n1)
    focus "$dialog"
    local i
    for i in 1 2 3 4; do xdotool key ctrl+Tab; done
    xdotool key Tab Down
    sleep 0.2
    shot "options-english"
    xdotool key Return
    wait_for 10 no_window Options || fail "the options dialog stayed open"
    wait_for 10 no_window Optionen || fail "the options dialog stayed open"
    sleep 0.3
    shot "english"
    grep -q '^CurrentLanguageID=1' "$(settings_file)" || fail "English was not stored"
    local before after
    before=$(convert "$work/german.png" -crop "50x15+$((WX + 74))+$((WY + 564))" +repage \
        -format '%#' info:)
    after=$(convert "$last_shot" -crop "50x15+$((WX + 74))+$((WY + 564))" +repage -format '%#' info:)
    [ "$before" != "$after" ] || fail "the New label did not change"

    note "F9 opens the About window"
    press "$main" F9
    wait_for 10 has_window "About Quintavo..." || fail "F9 opened no About window"
    shot "about"
    press "$(windows_named "About Quintavo..." | head -n1)" Escape
    wait_for 10 no_window "About Quintavo..." || fail "Escape did not close the About window"

    local x1=$WX y1=$WY
    close_by_button

    note "the next start puts the window where it was"
    start_game
    [ "$WX,$WY" = "$x1,$y1" ] || fail "started at $WX,$WY instead of $x1,$y1"
    shot "restarted"
    close_by_button
}

# The icon's own window, embedded in the notification area.
tray_icon_window() {
    local w WIDTH HEIGHT X Y SCREEN WINDOW
    for w in $(xdotool search --onlyvisible --classname 'quintavo' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        [ "$WIDTH" -le 64 ] && [ "$HEIGHT" -le 64 ] && { echo "$w"; return 0; }
    done
    return 1
}

scenario_tray() {
    command -v trayer >/dev/null || { echo "no notification-area host (trayer) here"; exit 77; }
    trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel \
        --height 32 --SetDockType true >"$work/trayer.log" 2>&1 &
    helper_pid=$!
    sleep 0.5
    start_game
    wait_for 10 tray_icon_window >/dev/null || fail "no tray icon"
    shot "with-icon"

    note "hidden, only the icon stays; a double click brings the window back"
    press "$main" Escape
    wait_for 10 no_window Quintavo 639x615 || fail "Escape did not hide the window"
    tray_icon_window >/dev/null || fail "the icon went too"
    shot "hidden"
    local icon WIDTH HEIGHT X Y SCREEN WINDOW
    icon=$(tray_icon_window)
    eval "$(xdotool getwindowgeometry --shell "$icon")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) sleep 0.1
    xdotool click --repeat 2 --delay 80 1
    wait_for 10 has_window Quintavo 639x615 || fail "the double click did not bring it back"
    sleep 0.3
    shot "back"

    note "the tray menu ends the program without a question"
    press "$main" F2
    drag "$(square_x 4)" "$(square_y 2)" "$(square_x 4)" "$(square_y 4)"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) sleep 0.1 click 3
    sleep 0.5
    shot "menu"
    xdotool key Up Return
    wait_for 15 program_ended || fail "Beenden did not end the program"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# The item's D-Bus name, the last one the watcher saw register.
sni_item() { tail -n1 "$work/items" 2>/dev/null; }
items_registered() { [ "$(wc -l <"$work/items" 2>/dev/null || echo 0)" -ge "$1" ]; }
# The label of the tray menu's first item, read as a host reads it, without
# asking the menu to update first.
first_menu_label() {
    gdbus call --session -d "$(sni_item)" -o /MenuBar -m com.canonical.dbusmenu.GetLayout -- \
        0 -1 '@as []' 2>/dev/null | grep -o "'label': <'[^']*'>" | head -n1 | cut -d"'" -f4
}
first_menu_item_is() { [ "$(first_menu_label)" = "$1" ]; }
activate_item() {
    gdbus call --session -d "$(sni_item)" -o /StatusNotifierItem \
        -m org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
}
watcher_ready() {
    gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
        -m org.freedesktop.DBus.NameHasOwner org.kde.StatusNotifierWatcher 2>/dev/null |
        grep -q true
}

scenario_dbus_tray() {
    : >"$work/items"
    /usr/bin/python3 "$(dirname "$0")/sni_watcher.py" "$work/items" >"$work/watcher.log" 2>&1 &
    helper_pid=$!
    wait_for 10 watcher_ready || { cat "$work/watcher.log" >&2; fail "the watcher did not start"; }

    note "the item registers, titled with the game's name"
    start_game
    wait_for 10 items_registered 1 || fail "no item registered with the watcher"
    local title
    title=$(gdbus call --session -d "$(sni_item)" -o /StatusNotifierItem \
        -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem Title)
    [ "$title" = "(<'Quintavo'>,)" ] || fail "the item's title is $title"
    wait_for 10 first_menu_item_is Verstecken || fail "the menu starts with '$(first_menu_label)'"
    shot "registered"
    grep -q "No such signal" "$work/program.log" && fail "Qt looked for an X11 tray signal"

    note "Escape hides the window; the menu offers to show it"
    press "$main" Escape
    wait_for 10 no_window Quintavo 639x615 || fail "Escape did not hide the window"
    wait_for 10 first_menu_item_is Zeigen ||
        fail "while hidden the menu's first item reads '$(first_menu_label)'"
    shot "hidden"

    note "one activation brings it back"
    activate_item
    wait_for 10 has_window Quintavo 639x615 || fail "one activation did not bring the window back"
    wait_for 10 first_menu_item_is Verstecken ||
        fail "back again the menu's first item reads '$(first_menu_label)'"
    sleep 0.3
    shot "back"
    close_by_button

    note "a start stored as minimised still leaves a way back"
    local store="$XDG_CONFIG_HOME/Harbrook/Chess.conf"
    [ -f "$store" ] || fail "no stored placement at $store"
    sed -i 's/^ShowCmd=.*/ShowCmd=2/' "$store"
    "$work/bin/quintavo" >"$work/program.log" 2>&1 &
    app_pid=$!
    wait_for 20 items_registered 2 || fail "the minimised start registered no item"
    if ! wait_for 3 has_window Quintavo 639x615; then
        shot "minimised-start"
        activate_item
        wait_for 10 has_window Quintavo 639x615 ||
            fail "neither the window nor one activation of the item shows the game"
    fi
    sleep 0.3
    shot "minimised-start-back"
    close_by_button
}

# The game on a screen scaled by QT_SCALE_FACTOR: the splash, the window and
# the About window at their logical sizes times the factor, the window cut to
# its outline, a move played by mouse. Screenshots of each window alone, in
# the screen's pixels, for looking at as a player would.
scenario_dense() {
    local factor=${scenario#dense-}
    export QT_SCALE_FACTOR=$factor
    scaled() { awk -v v="$1" -v f="$factor" 'BEGIN { printf "%d", v * f + 0.5 }'; }
    # The largest visible window of this title whose width is near the scaled one.
    window_near() { # title logical-width
        local title=$1 want
        want=$(scaled "$2")
        local w
        for w in $(windows_named "$title"); do
            local WIDTH=0 HEIGHT=0 X=0 Y=0 SCREEN=0 WINDOW=0
            eval "$(xdotool getwindowgeometry --shell "$w")"
            [ $((WIDTH - want)) -le 1 ] && [ $((want - WIDTH)) -le 1 ] && echo "$w" && return 0
        done
        return 1
    }
    shot_window() { # name window
        local geometry
        geometry=$(xdotool getwindowgeometry --shell "$2" 2>/dev/null) || fail "$1 went away"
        shot "$1"
        local WIDTH=0 HEIGHT=0 X=0 Y=0 SCREEN=0 WINDOW=0
        eval "$geometry"
        convert "$last_shot" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "${last_shot%.png}-alone.png"
    }

    import -window root "$work/background.png"
    "$work/bin/quintavo" >"$work/program.log" 2>&1 &
    app_pid=$!
    note "factor $factor: the splash"
    wait_for 20 window_near Quintavo 318 >/dev/null || fail "no splash window"
    # The splash may already have made way for the game window on a busy
    # machine; its picture is then simply missing from the screenshots.
    local splash geometry
    if splash=$(window_near Quintavo 318) &&
        geometry=$(xdotool getwindowgeometry --shell "$splash" 2>/dev/null); then
        shot "splash"
        (
            eval "$geometry"
            convert "$last_shot" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "${last_shot%.png}-alone.png"
        )
    else
        note "the splash was gone before its screenshot"
    fi
    wait_for 30 window_near Quintavo 639 >/dev/null || fail "the game window did not show"
    main=$(window_near Quintavo 639)
    local WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$main")"
    WX=$X
    WY=$Y
    [ "$HEIGHT" -ge $(($(scaled 615) - 1)) ] || fail "the window is $WIDTH x $HEIGHT"
    splash_gone() { ! window_near Quintavo 318 >/dev/null; }
    wait_for 10 splash_gone || fail "the splash stayed"
    sleep 0.5
    shot_window "window" "$main"

    note "the outline, scaled"
    local backdrop corner
    backdrop=$(pixel 2 2 "$work/background.png")
    for corner in "0 0" "638 300" "634 10" "3 595" "100 612"; do
        set -- $corner
        local x=$((WX + $(scaled "$1"))) y=$((WY + $(scaled "$2")))
        [ "$(pixel $x $y)" = "$backdrop" ] || fail "($1, $2) of the window is not cut away"
    done
    [ "$(pixel $((WX + $(scaled 300))) $((WY + $(scaled 12))))" != "$backdrop" ] ||
        fail "the title bar is missing"
    xwininfo -shape -id "$main" >"$work/shape.txt" 2>&1 || true

    note "e2 to e4 by mouse, and the computer's answer"
    local sx=$((WX + $(scaled $((16 + 20 + 4 * 45 + 22)))))
    local y2=$((WY + $(scaled $((61 + 20 + 6 * 45 + 22)))))
    local y4=$((WY + $(scaled $((61 + 20 + 4 * 45 + 22)))))
    focus "$main"
    drag "$sx" "$y2" "$sx" "$y4"
    sleep 3
    shot_window "moved" "$main"

    note "d2 lifted and held over d3: the floating piece"
    local dx=$((WX + $(scaled $((16 + 20 + 3 * 45 + 22)))))
    local y3=$((WY + $(scaled $((61 + 20 + 5 * 45 + 22)))))
    xdotool mousemove "$dx" "$y2" sleep 0.05 mousedown 1
    local i
    for i in 1 2 3 4 5 6; do
        xdotool mousemove "$((dx + $(scaled 8) * i / 6))" "$((y2 + (y3 - y2 + $(scaled 10)) * i / 6))"
        sleep 0.03
    done
    sleep 0.3
    shot_window "dragging" "$main"
    xdotool mousemove "$dx" "$((WY + $(scaled $((61 + 20 + 4 * 45 + 22)))))" sleep 0.05 mouseup 1
    sleep 2
    shot_window "dropped" "$main"

    note "F9 opens the About window"
    about() { xdotool search --onlyvisible --name '^Über' 2>/dev/null | head -n1; }
    has_about() { [ -n "$(about)" ]; }
    press "$main" F9
    wait_for 10 has_about || fail "F9 opened no About window"
    sleep 0.3
    shot_window "about" "$(about)"
    press "$(about)" Escape
    wait_for 10 eval '! has_about' || fail "Escape did not close the About window"
}

case "$scenario" in
dense-*) scenario_dense ;;
*) "scenario_$scenario" ;;
esac
echo "[$scenario] passed"
