#!/usr/bin/env bash
# A 超低速 run on the oblique view under Xvfb, as a user starts it, watched
# from outside the program: every frame on Picture5, in order, 177.6 ms apart.
set -euo pipefail
velmora=$1 frame_watch=$2 frames=$3
here=$(dirname "$0")
source "$here/display_servers.sh"
source "$here/x11_actions.sh"

e2e_start_xvfb 120
e2e_start_app "$velmora" 100
window=$(e2e_find_window)
e2e_focus "$window"
e2e_press_enter "$window"
e2e_choose_speed "$window" 0
e2e_choose_oblique "$window"

e2e_watch_run "$frame_watch" "e2e_press_command1 $window" --frames "$frames" --x11 "$window" --period 177.6 \
    --min-changes 20 --max-skips 3 --failure-picture "$PWD/frame_pace_x11-failure.png"
