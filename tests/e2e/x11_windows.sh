# The program's windows on the virtual X display, as the end-to-end scripts find, focus and click
# them: $program_pid is the program, $main its main window. Sourced, not run.

# The ids of the program's visible windows, and those with a given caption.
visible_windows() { xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null; }
windows_named() { # exactly that caption (xdotool's own search ignores case)
    local window
    for window in $(visible_windows); do
        [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$1" ] && echo "$window"
    done
}
has_window_named() { [ -n "$(windows_named "$1")" ]; }

# No window manager runs on Xvfb: the run gives the focus itself, as a click on a caption would.
focus() { xdotool windowfocus "$1" 2>/dev/null; sleep 0.15; }
click_at() { # click_at window x y: a click at pixel x, y of the window's client area
    local X=0 Y=0
    eval "$(client_origin "$1")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
    # The pointer moves away, so that no tooltip covers what the next check looks at.
    xdotool mousemove 1270 1010
}

# The main window's client area lies below its menu bar: 9255 by 5955 twips, 617 by 397 pixels
# at 96 DPI. The curve window has no menu bar.
client_height_of_main=397
client_origin() { # prints X=... Y=... of a window's client area
    local X=0 Y=0 WIDTH=0 HEIGHT=0 SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
    if [ "$1" = "${main:-}" ]; then Y=$((Y + HEIGHT - client_height_of_main)); fi
    echo "X=$X Y=$Y"
}
