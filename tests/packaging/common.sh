# Helpers for the packaging tests, sourced by each of them. CTest hands in
# QUINTAVO_BUILD_DIR, QUINTAVO_APP_ID, QUINTAVO_VERSION,
# CMAKE_COMMAND and CPACK_COMMAND.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }
note() { echo "-- $*"; }

require_tools() {
    local t
    for t in "$@"; do
        command -v "$t" >/dev/null || fail "$t is missing; scripts/deps.sh --test installs it"
    done
}

# A scratch folder that any user may enter (the program may run as another
# user), removed on exit together with what the test started.
cleanup_steps=()
on_exit() {
    local i
    for ((i = ${#cleanup_steps[@]} - 1; i >= 0; i--)); do eval "${cleanup_steps[i]}" || true; done
}
trap on_exit EXIT
make_scratch() {
    scratch=$(mktemp -d /tmp/quintavo-packaging.XXXXXX)
    chmod 755 "$scratch"
    cleanup_steps+=("rm -rf '$scratch'")
}

# The plain install tree of this build folder, as `cmake --install` lays it out.
install_tree() {
    "$CMAKE_COMMAND" --install "$QUINTAVO_BUILD_DIR" --prefix "$1" >"$scratch/install.log" 2>&1 \
        || { cat "$scratch/install.log"; fail "cmake --install into $1 failed"; }
}

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local limit=$1 i
    shift
    for ((i = 0; i < limit * 10; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# A private X server; sets DISPLAY. No access control: the program may run as
# another user than the server.
start_xvfb() {
    require_tools Xvfb xdotool xprop
    : >"$scratch/display"
    Xvfb -displayfd 3 -nolisten tcp -ac -screen 0 1280x1024x24 3>"$scratch/display" \
        >"$scratch/xvfb.log" 2>&1 &
    local xvfb=$!
    cleanup_steps+=("kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null")
    wait_for 20 test -s "$scratch/display" || { cat "$scratch/xvfb.log"; fail "Xvfb did not start"; }
    DISPLAY=":$(head -n1 "$scratch/display")"
    export DISPLAY
}

# A user's session for the program: its own home, configuration, cache,
# runtime and temporary folders, nothing inherited from the test's environment
# (no LD_LIBRARY_PATH). As root the program runs as nobody, so that, as for a
# user, installed folders are not writable to it.
prepare_session() {
    session=$scratch/session
    mkdir -p "$session"/{home,config,cache,runtime,tmp}
    chmod 700 "$session/runtime"
    if [ "$(id -u)" -eq 0 ]; then
        require_tools setpriv
        chown -R 65534:65534 "$session"
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    else
        as_user=()
    fi
    session_env=(env -i
        HOME="$session/home" XDG_CONFIG_HOME="$session/config" XDG_CACHE_HOME="$session/cache"
        XDG_RUNTIME_DIR="$session/runtime" TMPDIR="$session/tmp"
        PATH="${1:-/usr/bin:/bin}" LANG=C.UTF-8 DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb)
}

# Starts the program in the session, in the background; sets started_pid.
start_in_session() {
    local log=$1
    shift
    "${as_user[@]}" "${session_env[@]}" "$@" >"$log" 2>&1 &
    started_pid=$!
}

visible_windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null; }

# A child that has ended stays a zombie until waited for; it counts as ended.
alive() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* (.*) Z' "/proc/$1/stat"; }
