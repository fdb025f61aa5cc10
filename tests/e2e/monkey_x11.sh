#!/usr/bin/env bash
# 2,000 random clicks, key presses and Tab moves inside the window under
# Xvfb. The program must never crash or show a run-time error, and must still
# answer afterwards: a last press of cmdGo fills List1.
# Replay a failure with VELMORA_MONKEY_SEED=<the seed printed>.
set -euo pipefail
velmora=$1 speed_texts=$2
here=$(dirname "$0")
source "$here/a11y.sh"
e2e_private_dbus "$@"
source "$here/display_servers.sh"
source "$here/x11_actions.sh"

readonly moves=2000 per_batch=50
seed=${VELMORA_MONKEY_SEED:-$(date +%s%N | cut -c10-15)}
echo "monkey seed: $seed"
RANDOM=$seed

e2e_start_xvfb 300
e2e_start_app "$velmora" 280
window=$(e2e_find_window)
e2e_focus "$window"

# Keys a user might hit; Tab is the most common move of all.
keys=(Tab Tab Tab shift+Tab Return space Up Down Home End Page_Up Page_Down Escape a 1 F1 alt+F4)

still_standing() {
    kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended during the monkey test (seed $seed)"
    local windows
    windows=$(xdotool search --onlyvisible --name '^velmora$' 2>/dev/null | wc -l) || true
    ((windows == 1)) || e2e_fail "$windows windows named velmora: a run-time error was shown (seed $seed)"
}

for ((done_moves = 0; done_moves < moves; done_moves += per_batch)); do
    batch=()
    for ((i = 0; i < per_batch; i++)); do
        case $((RANDOM % 3)) in
        0 | 1) batch+=(mousemove --window "$window" $((RANDOM % 830)) $((RANDOM % 734)) click 1) ;;
        2) batch+=(key --window "$window" "${keys[RANDOM % ${#keys[@]}]}") ;;
        esac
    done
    xdotool "${batch[@]}"
    still_standing
done

# Whatever the monkey left selected, a click on cmdGo must fill the list
# once the program is done with the events queued while it was busy.
e2e_a11y_connect
e2e_click "$window" 412 176
expected=$("$speed_texts" | cut -f1 | paste -sd' ')
for ((i = 0; i < 600; i++)); do
    shown=$(e2e_a11y_tree | awk -F'\t' '$2 == "list item" { print $4 }' | paste -sd' ') || true
    [[ "$shown" == "$expected" ]] && break
    sleep 0.1
done
[[ "$shown" == "$expected" ]] || e2e_fail "after the monkey, cmdGo left List1 holding '$shown' (seed $seed)"
still_standing
echo "after $moves moves the program answers: List1 holds $shown"
