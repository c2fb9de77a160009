# Helpers for scripts that drive gui-kelmo on a virtual X display; source this file inside xvfb-run.
# A small window manager (openbox) gives the windows their frames and handles Alt+F4, as on a desktop.

# Starts openbox and waits until it manages the screen.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    for _ in $(seq 200); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then return 0; fi
        sleep 0.05
    done
    echo "openbox did not start on $DISPLAY" >&2
    return 1
}

# Makes the desktop session that gui-kelmo runs in: Qt on X11, a private runtime folder under $1 (Qt
# wants one), and the window manager.
start_session() {
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$1/runtime"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
    start_window_manager
}

# Prints the id of the visible window whose title is exactly $1, waiting up to $2 seconds (default 10).
wait_for_window() {
    local title=$1 seconds=${2:-10} id
    for _ in $(seq $((seconds * 50))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.02
    done
    echo "no window titled '$title' appeared within ${seconds} s" >&2
    return 1
}

# Waits up to $2 seconds (default 5) until window $1 has the keyboard focus.
wait_for_focus() {
    local id=$1 seconds=${2:-5}
    for _ in $(seq $((seconds * 50))); do
        if [ "$(xdotool getactivewindow 2>/dev/null || true)" = "$id" ]; then return 0; fi
        sleep 0.02
    done
    echo "window $id did not get the keyboard focus within ${seconds} s" >&2
    return 1
}

# Prints "left top width height" of the frame around window $1 (the window manager's decoration included).
frame_geometry() {
    local id=$1 extents="" left right top bottom X Y WIDTH HEIGHT
    # The window manager sets the frame's extents once it has framed the window.
    for _ in $(seq 100); do
        extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
        [ -n "$extents" ] && break
        sleep 0.02
    done
    # xwininfo, not xdotool: xdotool counts the frame's offset twice for a framed window.
    local info
    info=$(xwininfo -id "$id")
    X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/.*Width: *//p' <<<"$info")
    HEIGHT=$(sed -n 's/.*Height: *//p' <<<"$info")
    IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
    echo "$((X - left)) $((Y - top)) $((WIDTH + left + right)) $((HEIGHT + top + bottom))"
}

# Waits up to $2 seconds for the file $1 to exist.
wait_for_file() {
    local path=$1 seconds=${2:-10}
    for _ in $(seq $((seconds * 50))); do
        if [ -e "$path" ]; then return 0; fi
        sleep 0.02
    done
    echo "$path did not appear within ${seconds} s" >&2
    return 1
}
