# The program's controls through its accessibility tree (AT-SPI over D-Bus,
# with gdbus), for displays with no input to drive, and for reading what a
# label says; sourced by the test scripts.

# Runs the calling script again on a D-Bus bus of its own, so the tree seen
# is the program's alone (call it before anything is started); Qt exposes
# the tree without a screen reader.
e2e_private_dbus() {
    if [[ -z "${VELMORA_E2E_DBUS:-}" ]]; then
        if ! command -v dbus-run-session >/dev/null; then
            echo "SKIP: dbus-run-session is not installed (scripts/install-deps)"
            exit 77
        fi
        VELMORA_E2E_DBUS=1 exec dbus-run-session -- bash "$0" "$@"
    fi
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
}

# Sets e2e_a11y_bus and e2e_a11y_app once the program has joined the
# accessibility bus.
e2e_a11y_connect() {
    local i reply
    for ((i = 0; i < 100; i++)); do
        reply=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
            --method org.a11y.Bus.GetAddress 2>/dev/null) || true
        e2e_a11y_bus=$(sed -nE "s/^\('(.*)',\)$/\1/p" <<<"$reply") || true
        if [[ -n "$e2e_a11y_bus" ]]; then
            reply=$(gdbus call --address "$e2e_a11y_bus" --dest org.a11y.atspi.Registry \
                --object-path /org/a11y/atspi/accessible/root \
                --method org.a11y.atspi.Accessible.GetChildren 2>/dev/null) || true
            e2e_a11y_app=$(grep -oE "':[0-9.]+'" <<<"$reply" | head -n1 | tr -d "'") || true
            [[ -n "$e2e_a11y_app" ]] && return 0
        fi
        sleep 0.2
    done
    e2e_fail "the program did not appear on the accessibility bus"
}

e2e_a11y_call() {
    local path=$1 method=$2
    shift 2
    gdbus call --address "$e2e_a11y_bus" --dest "$e2e_a11y_app" --object-path "$path" \
        --method "$method" "$@"
}

# One line a control, "path<TAB>role<TAB>x y width height<TAB>name", the
# whole tree from the top; positions are within the window.
e2e_a11y_tree() {
    local queue=(/org/a11y/atspi/accessible/root) path child name role extents
    while ((${#queue[@]})); do
        path=${queue[0]}
        queue=("${queue[@]:1}")
        name=$(e2e_a11y_call "$path" org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name |
            sed -E "s/^\(<'(.*)'>,\)$/\1/")
        role=$(e2e_a11y_call "$path" org.a11y.atspi.Accessible.GetRoleName | sed -E "s/^\('(.*)',\)$/\1/")
        extents=$(e2e_a11y_call "$path" org.a11y.atspi.Component.GetExtents 1 2>/dev/null |
            tr -d '(),' | awk '{print $1, $2, $3, $4}') || true
        printf '%s\t%s\t%s\t%s\n' "$path" "$role" "$extents" "$name"
        for child in $(e2e_a11y_call "$path" org.a11y.atspi.Accessible.GetChildren |
            grep -oE "'/org/a11y/atspi/accessible/[^']+'" | tr -d "'"); do
            queue+=("$child")
        done
    done
}

# The path of the control with this role whose top-left corner lies within
# two pixels of (x, y) in the window.
e2e_a11y_at() {
    local role=$1 x=$2 y=$3 path
    path=$(e2e_a11y_tree | awk -F'\t' -v role="$role" -v x="$x" -v y="$y" '
        function away(a, b) { return a > b ? a - b : b - a }
        $2 == role { split($3, at, " "); if (away(at[1], x) <= 2 && away(at[2], y) <= 2) { print $1; exit } }')
    [[ -n "$path" ]] || e2e_fail "no $role at ($x, $y) in the accessibility tree"
    echo "$path"
}

# The path of the list item at `index` (from 0) of the list at `path`.
e2e_a11y_item() {
    local path=$1 index=$2 item
    item=$(e2e_a11y_call "$path" org.a11y.atspi.Accessible.GetChildAtIndex "$index" |
        grep -oE "'/org/a11y/atspi/accessible/[^']+'" | tr -d "'")
    [[ -n "$item" ]] || e2e_fail "the list has no item $index"
    echo "$item"
}

# The name of the control at `path`: a label's caption.
e2e_a11y_name() {
    e2e_a11y_call "$1" org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name |
        sed -E "s/^\(<'(.*)'>,\)$/\1/"
}

# Its first action: press for a button, toggle for an option or a list item.
e2e_a11y_act() {
    e2e_a11y_call "$1" org.a11y.atspi.Action.DoAction 0 >/dev/null
}
