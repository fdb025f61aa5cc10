#!/usr/bin/env bash
# A 超低速 run on the oblique view under weston (headless), watched through
# weston's screenshots: every frame on Picture5 in order, ending on frame 3.
# weston headless has no input devices, so the moves go through the
# program's accessibility tree.
set -euo pipefail
velmora=$1 frame_watch=$2 frames=$3
here=$(dirname "$0")
source "$here/a11y.sh"
e2e_private_dbus "$@"
source "$here/display_servers.sh"

e2e_start_weston 120
e2e_start_app "$velmora" 100
e2e_a11y_connect

# Controls by their places in the window: cmdGo, List1's first item, Option2.
e2e_a11y_act "$(e2e_a11y_at "push button" 304 160)"
e2e_a11y_act "$(e2e_a11y_item "$(e2e_a11y_at list 160 456)" 0)"
e2e_a11y_act "$(e2e_a11y_at "radio button" 384 424)"
command1=$(e2e_a11y_at "push button" 40 456)

# A screenshot takes a good part of a frame's pause, so some frames fall
# between two of them; the order and the last frame still show.
e2e_watch_run "$frame_watch" "e2e_a11y_act $command1" --frames "$frames" --weston "$e2e_tmp/shots" \
    --min-changes 12 --max-skips 6 --failure-picture "$PWD/frame_order_wayland-failure.png"
