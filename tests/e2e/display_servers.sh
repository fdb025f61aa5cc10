# Display servers for the end-to-end tests, sourced by each test script.
# Every server runs under `timeout`, so it ends by itself should the test die,
# and is stopped by its process id when the test is done; each one gets a
# display or socket of its own, so tests can run side by side.

e2e_pids=()
e2e_tmp=$(mktemp -d "${TMPDIR:-/tmp}/velmora-e2e.XXXXXX")

# The program first, its display server last, so the program never sees its
# display vanish.
# A sanitizer's report in what the program printed fails the test, however
# the test went.
e2e_cleanup() {
    local status=$? i
    for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do
        kill "${e2e_pids[i]}" 2>/dev/null || true
        wait "${e2e_pids[i]}" 2>/dev/null || true
    done
    if [[ -s "$e2e_tmp/app.log" ]]; then
        if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$e2e_tmp/app.log"; then
            echo "FAIL: a sanitizer reported a fault in the program:" >&2
            status=1
        fi
        ((status == 0 || status == 77)) || tail -n 40 "$e2e_tmp/app.log" >&2
    fi
    rm -rf "$e2e_tmp"
    exit "$status"
}
trap e2e_cleanup EXIT

e2e_skip() {
    echo "SKIP: $*"
    exit 77
}

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to ten seconds for the test in "$@" to hold; false if it never does.
e2e_wait_until() {
    local i
    for ((i = 0; i < 100; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# Runs "$@" in the background for at most $1 seconds and records its pid.
e2e_spawn() {
    local seconds=$1
    shift
    timeout --kill-after=5 "$seconds" "$@" &
    e2e_pids+=("$!")
}

# Starts Xvfb on a free display (it picks one itself and writes its number
# to a file) and exports DISPLAY.
e2e_start_xvfb() {
    local seconds=${1:-300}
    command -v Xvfb >/dev/null || e2e_skip "Xvfb is not installed (scripts/install-deps)"
    local number_file="$e2e_tmp/display"
    e2e_spawn "$seconds" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$number_file" 2>"$e2e_tmp/xvfb.log"
    e2e_wait_until test -s "$number_file" || e2e_fail "Xvfb did not start: $(cat "$e2e_tmp/xvfb.log")"
    export DISPLAY=":$(head -n1 "$number_file")"
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
}

# Starts weston headless on a socket of its own, with screenshots open to
# any client (--debug), and exports WAYLAND_DISPLAY.
e2e_start_weston() {
    local seconds=${1:-300}
    command -v weston >/dev/null || e2e_skip "weston is not installed (scripts/install-deps)"
    export XDG_RUNTIME_DIR="$e2e_tmp/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    local socket="velmora-e2e-$$"
    e2e_spawn "$seconds" weston --backend=headless-backend.so --use-pixman --debug \
        --socket="$socket" --idle-time=0 --width=900 --height=840 \
        --log="$e2e_tmp/weston.log"
    e2e_wait_until test -S "$XDG_RUNTIME_DIR/$socket" ||
        e2e_fail "weston did not start: $(cat "$e2e_tmp/weston.log")"
    export WAYLAND_DISPLAY="$socket"
    unset DISPLAY
    export QT_QPA_PLATFORM=wayland
}

# Starts the program on the current display for at most $2 seconds, under
# the wrapper command in the further arguments if any; sets e2e_app_pid.
e2e_start_app() {
    local program=$1 seconds=${2:-120}
    shift 2
    e2e_spawn "$seconds" "$@" "$program" 2>>"$e2e_tmp/app.log"
    e2e_app_pid=$!
}

# The X window of the program's main window, once it is on screen.
e2e_find_window() {
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^velmora$' 2>/dev/null | head -n1) ||
        true
    [[ -n "$window" ]] || e2e_fail "the window velmora did not appear"
    echo "$window"
}

# Runs frame_watch ($1) with the further arguments, starts the run with the
# command in $2 once it watches, and returns frame_watch's verdict.
e2e_watch_run() {
    local frame_watch=$1 start_run=$2
    shift 2
    "$frame_watch" --ready "$e2e_tmp/ready" "$@" &
    local watch_pid=$! i
    for ((i = 0; i < 250; i++)); do
        [[ -e "$e2e_tmp/ready" ]] || ! kill -0 "$watch_pid" 2>/dev/null && break
        sleep 0.1
    done
    [[ -e "$e2e_tmp/ready" ]] && $start_run
    wait "$watch_pid"
}
