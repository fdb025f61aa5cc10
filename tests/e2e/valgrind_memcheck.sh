#!/usr/bin/env bash
# The real program under valgrind memcheck: start, every speed on one of the
# views and each view with no speed, close. No memory may be definitely lost in
# the program's own code; what the toolkit and fontconfig keep until exit is
# suppressed, entry by entry, in valgrind.supp.
set -euo pipefail
velmora=$1 close_window=$2
here=$(dirname "$0")
source "$here/a11y.sh"
e2e_private_dbus "$@"
source "$here/display_servers.sh"
source "$here/x11_actions.sh"
command -v valgrind >/dev/null || e2e_skip "valgrind is not installed (scripts/install-deps)"

e2e_start_xvfb 900
log="$PWD/valgrind_memcheck.log"
e2e_start_app "$velmora" 860 valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --error-exitcode=99 --suppressions="$here/valgrind.supp" --gen-suppressions=all --child-silent-after-fork=yes \
    --log-file="$log"
valgrind_pid=$e2e_app_pid
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^velmora$' | head -n1) ||
    e2e_fail "the window did not appear under valgrind"
e2e_focus "$window"

# Events queue up while a run blocks the window and are handled in order.
e2e_press_enter "$window"
option_x=(124 388 636)   # Option1, Option2, Option3, a few pixels in
# Every speed once, the views taking turns: each pass is slow under valgrind,
# and every speed on every view would add minutes and no code.
for downs in 0 1 2 3 4; do
    e2e_click "$window" "${option_x[downs % 3]}" 430
    e2e_choose_speed "$window" "$downs"
    e2e_press_command1 "$window"
done
# No speed: pressing cmdGo again clears the selection.
e2e_click "$window" 412 176
for view in 0 1 2; do
    e2e_click "$window" "${option_x[view]}" 430
    e2e_press_command1 "$window"
done
# Until the last run is over the close request would wait in the queue too.
"$close_window" "$window"

status=0
wait "$valgrind_pid" || status=$?
e2e_pids=("${e2e_pids[@]/$valgrind_pid/}")
grep -A6 'LEAK SUMMARY' "$log" || true
grep -E 'ERROR SUMMARY' "$log" || true
((status == 0)) || e2e_fail "valgrind or the program ended with status $status; see $log"
grep -qE 'definitely lost: 0 bytes|no leaks are possible' "$log" || e2e_fail "memory definitely lost; see $log"
