# A user's moves on the window under X, through xdotool; sourced by the test
# scripts. Points are in the window's own pixels, taken from its layout.

# Without a window manager nothing gives the window the keyboard: hand it
# over, as clicking into a window would on a desktop.
e2e_focus() {
    xdotool windowfocus --sync "$1"
}

e2e_click() {
    local window=$1 x=$2 y=$3
    xdotool mousemove --window "$window" "$x" "$y" click 1
}

# cmdGo is the default button and starts with the focus.
e2e_press_enter() {
    xdotool key --window "$1" Return
}

# The first item of List1 (160, 456; 113 × 76), a few pixels in from its
# top-left; the keys move on from there.
e2e_choose_speed() {
    local window=$1 downs=$2
    e2e_click "$window" 200 463
    local i
    for ((i = 0; i < downs; i++)); do xdotool key --window "$window" Down; done
}

e2e_choose_oblique() { e2e_click "$1" 390 430; }   # Option2 (384, 424; 73 × 12)
e2e_press_command1() { e2e_click "$1" 96 492; }    # Command1 (40, 456; 113 × 73)
