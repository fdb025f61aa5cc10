#!/usr/bin/env bash
# The typical use under Xvfb, with xdotool as the user's hands: Enter fills
# List1, "中速" and "斜め" are chosen, Command1 is pressed; the run plays on
# Picture5 and leaves it on Picture9's pixels, and Label3 holds the note.
# A picture of the window afterwards goes to $VELMORA_SCREENSHOT when set.
set -euo pipefail
velmora=$1 frame_watch=$2 frames=$3 speed_texts=$4
here=$(dirname "$0")
source "$here/a11y.sh"
e2e_private_dbus "$@"
source "$here/display_servers.sh"
source "$here/x11_actions.sh"

e2e_start_xvfb 120
e2e_start_app "$velmora" 100
window=$(e2e_find_window)
e2e_a11y_connect
list=$(e2e_a11y_at list 160 456)
label3=$(e2e_a11y_at label 288 496)
[[ -z "$(e2e_a11y_name "$label3")" ]] || e2e_fail "Label3 is not empty at start"

e2e_focus "$window"
e2e_press_enter "$window"
expected=$("$speed_texts" | cut -f1 | paste -sd' ')
for ((i = 0; i < 20; i++)); do
    shown=$(e2e_a11y_tree | awk -F'\t' '$2 == "list item" { print $4 }' | paste -sd' ')
    [[ "$shown" == "$expected" ]] && break
    sleep 0.1
done
[[ "$shown" == "$expected" ]] || e2e_fail "after Enter List1 holds '$shown', not '$expected'"

e2e_choose_speed "$window" 2
e2e_choose_oblique "$window"
# 中速: 200,000 passes of 444 ns after each frame.
e2e_watch_run "$frame_watch" "e2e_press_command1 $window" --frames "$frames" --x11 "$window" --period 88.8 \
    --min-changes 20 --max-skips 3 --failure-picture "$PWD/use_x11-failure.png"

note=$(e2e_a11y_name "$label3")
medium=$("$speed_texts" | sed -n 3p | cut -f2)
[[ "$note" == "$medium" ]] || e2e_fail "Label3 shows '$note', not the note of 中速 '$medium'"
echo "Label3: $note"

if [[ -n "${VELMORA_SCREENSHOT:-}" ]]; then
    xwd -silent -id "$window" | convert xwd:- "png:$VELMORA_SCREENSHOT"
    echo "window saved as $VELMORA_SCREENSHOT"
fi
