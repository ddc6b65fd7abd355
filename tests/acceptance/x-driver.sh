# shellcheck shell=bash
# Shell functions that drive a program's windows from outside, as a person would, on a private X
# server without a window manager: find windows by their titles, wait for them with time limits,
# press keys, type, and click controls whose positions are known in twips. Sourced by the
# acceptance test; expects `set -euo pipefail`, and $work (a temporary folder) and $out (the
# folder that keeps screenshots) to be set.
# shellcheck disable=SC2154 # $work and $out belong to the sourcing script

readonly TWIPS_PER_PIXEL=15

# Why the test stopped, with a picture of the screen at that moment.
fail() {
    echo "FAIL: $*" >&2
    screenshot failure || true
    exit 1
}

# Runs a command again and again until it succeeds, for at most LIMIT seconds. Nothing here can
# ask the program whether it has finished handling an input, so every wait is on something seen
# from outside: a window, a file, the pixels of the screen.
#     wait_until LIMIT WHAT COMMAND [ARGUMENT...]
wait_until() {
    local limit=$1 what=$2
    shift 2
    local deadline=$((SECONDS + limit))
    until "$@"; do
        ((SECONDS < deadline)) || fail "waited ${limit}s for $what"
        sleep 0.1
    done
}

# Gives the program a moment to handle what it was sent and to repaint, before a screenshot.
settle() {
    sleep "${1:-0.4}"
}

shot_number=0
# Keeps a picture of the whole screen as $out/NN-NAME.png.
screenshot() {
    shot_number=$((shot_number + 1))
    import -window root "$(printf '%s/%02d-%s.png' "$out" "$shot_number" "$1")"
}

# Starts Xvfb on a display number that no other server uses and points DISPLAY at it.
xvfb_pid=""
start_x_server() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_until 20 "the X server to start" test -s "$work/display"
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY
}

stop_x_server() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}

# The shown windows whose title is exactly TITLE, one id a line.
windows_titled() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}

# Sets $window to the largest shown window titled TITLE, other than the ids given after it.
# Fails (returns 1) while there is none.
find_window() {
    local title=$1 id best_area=0 width height
    shift
    window=""
    for id in $(windows_titled "$title"); do
        [[ " $* " == *" $id "* ]] && continue
        read -r width height < <(window_size "$id")
        if ((width * height > best_area)); then
            best_area=$((width * height))
            window=$id
        fi
    done
    [ -n "$window" ]
}

# Sets $window to the window titled TITLE once it shows (other than the ids given after it).
#     wait_window TITLE [NOT-THIS-ID...]
wait_window() {
    wait_until 30 "a window titled \"$1\"" find_window "$@"
}

window_shown() {
    xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1"
}

window_gone() {
    ! window_shown "$1"
}

wait_window_gone() {
    wait_until 30 "window $1 to close" window_gone "$1"
}

# Width and height of a window in pixels. Without a window manager a window has no frame, so this
# is its client area.
window_size() {
    xdotool getwindowgeometry --shell "$1" 2>/dev/null |
        awk -F= '$1 == "WIDTH" { width = $2 } $1 == "HEIGHT" { height = $2 } END { print width + 0, height + 0 }'
}

# Key presses and typing go to the window that has the keyboard focus. Without a window manager
# nobody gives it back to the main window when a dialog closes, so every input names its window.
#     keys WINDOW KEY...        type_text WINDOW TEXT
keys() {
    local target=$1
    shift
    xdotool windowfocus --sync "$target" key --delay 60 "$@"
}

type_text() {
    xdotool windowfocus --sync "$1" type --delay 15 "$2"
}

# Clicks the middle of a control given by its rectangle in twips within a window's client area.
# Further arguments go to `xdotool click` (e.g. --repeat 2 for a double click).
#     click_control WINDOW LEFT TOP WIDTH HEIGHT [CLICK-OPTION...]
click_control() {
    local target=$1 left=$2 top=$3 width=$4 height=$5
    shift 5
    xdotool mousemove --window "$target" $(((left + width / 2) / TWIPS_PER_PIXEL)) \
        $(((top + height / 2) / TWIPS_PER_PIXEL)) click "$@" 1
}

# --- Rows of lists and trees ---------------------------------------------------------------------
# Row heights follow the fonts, so they are measured on the screen: a selected row is painted as a
# band across the view. In a one-pixel column near the view's right edge, where no text reaches,
# every pixel that differs from the empty area at the bottom of the view belongs to that band.

# Prints "FIRST LAST" for each run of band pixels in column X from Y0 to Y1 of a window (Y1 lies in
# the empty area at the bottom of the view).
bands_in_column() {
    local target=$1 x=$2 y0=$3 y1=$4
    import -window "$target" -crop "1x$((y1 - y0 + 1))+$x+$y0" +repage txt:- | awk -v y0="$y0" '
        NR > 1 { split($1, at, /[,:]/); colour[at[2]] = $3; last = at[2] }
        END {
            background = colour[last]; first = -1
            for (y = 0; y <= last; ++y) {
                if (colour[y] != background && first < 0) first = y
                if (colour[y] == background && first >= 0) { print first + y0, y - 1 + y0; first = -1 }
            }
        }'
}

# Succeeds when the first band in the column starts after AFTER (or, with AFTER -1, at Y0), and
# sets $band_last to its last pixel row.
band_after() {
    local target=$1 x=$2 y0=$3 y1=$4 after=$5 first last
    read -r first last < <(bands_in_column "$target" "$x" "$y0" "$y1") || return 1
    if ((after < 0)); then ((first == y0)) || return 1; else ((first > after)) || return 1; fi
    band_last=$last
}

# Measures the rows of a list or tree: clicks its first row, moves the selection one row down with
# the Down key, and compares where the two bands end. Sets row_top[NAME] and row_pitch[NAME] in
# window pixels. The view is given by its rectangle in twips within the window's client area.
#     measure_rows NAME WINDOW LEFT TOP WIDTH HEIGHT
declare -A row_top row_pitch
measure_rows() {
    local name=$1 target=$2 left=$3 top=$4 width=$5 height=$6
    local x=$(((left + width) / TWIPS_PER_PIXEL - 16))
    local y0=$((top / TWIPS_PER_PIXEL + 5))
    local y1=$(((top + height) / TWIPS_PER_PIXEL - 4))
    xdotool mousemove --window "$target" "$x" "$y0" click 1
    wait_until 10 "the first row of $name to be selected" band_after "$target" "$x" "$y0" "$y1" -1
    local first_end=$band_last
    keys "$target" Down
    wait_until 10 "the second row of $name to be selected" band_after "$target" "$x" "$y0" "$y1" "$first_end"
    row_pitch[$name]=$((band_last - first_end))
    row_top[$name]=$((first_end - row_pitch[$name] + 1))
    ((row_pitch[$name] >= 8)) || fail "rows of $name measured ${row_pitch[$name]} pixels high"
}

# Clicks row ROW (0 for the first) of a measured view, in the middle of its width. Further
# arguments go to `xdotool click`.
#     click_row NAME WINDOW LEFT WIDTH ROW [CLICK-OPTION...]
click_row() {
    local name=$1 target=$2 left=$3 width=$4 row=$5
    shift 5
    xdotool mousemove --window "$target" $(((left + width / 2) / TWIPS_PER_PIXEL)) \
        $((row_top[$name] + row * row_pitch[$name] + row_pitch[$name] / 2)) click "$@" 1
}

# A double click, then a pause longer than the double-click time, so that a following click on the
# same place starts afresh.
double_click_row() {
    click_row "$@" --repeat 2 --delay 80
    sleep 0.6
}

# --- A window manager that frames windows --------------------------------------------------------
# Desktop window managers put every window into a frame of their own once it is mapped, so a
# window learns its frame only after it shows. openbox does the same; it runs with the settings of
# the test's own folders.

wm_pid=""
start_window_manager() {
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    wait_until 20 "the window manager to start" window_manager_running
}

window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

stop_window_manager() {
    if [ -n "$wm_pid" ]; then
        kill "$wm_pid" 2>/dev/null || true
        wait "$wm_pid" 2>/dev/null || true
        wm_pid=""
    fi
}

# "LEFT RIGHT TOP BOTTOM": the room the frame takes around a window's client area. Fails until the
# window manager has framed the window.
frame_extents() {
    xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null |
        awk -F' = ' 'NF == 2 { gsub(/,/, "", $2); print $2; found = 1 } END { exit !found }'
}

window_framed() {
    frame_extents "$1" >/dev/null
}

# "X Y WIDTH HEIGHT" of a window's client area on the screen.
client_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { width = $NF } /^ *Height:/ { height = $NF }
        END { print x, y, width, height }'
}

# "WIDTH HEIGHT" of the screen in pixels.
screen_size() {
    xwininfo -root | awk '/^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print w, h }'
}

# Succeeds when the window manager shows the window minimised (as an icon).
iconic() {
    xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'
}

# "X Y WIDTH HEIGHT" of a window with its frame, as the user sees it on the screen.
outer_geometry() {
    local x y width height left right top bottom
    read -r x y width height < <(client_geometry "$1")
    read -r left right top bottom < <(frame_extents "$1")
    echo $((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))
}

# Succeeds when the window manager lets the user do ACTION to the window (RESIZE, MAXIMIZE_VERT, ...).
#     window_allows WINDOW ACTION
window_allows() {
    xprop -id "$1" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -Eq "_NET_WM_ACTION_$2(,|\$)"
}

# --- Owned windows and their titles --------------------------------------------------------------

# Succeeds when a window is kept with its owner by the window manager: its WM_TRANSIENT_FOR names
# the owner.
#     owned_by WINDOW OWNER
owned_by() {
    local owner
    owner=$(xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | awk '/window id/ { print $NF }')
    [ -n "$owner" ] && ((owner == $2))
}

# The frame the window manager put around a window: its ancestor just below the root.
frame_of() {
    local id=$1 root parent
    root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
    while parent=$(xwininfo -tree -id "$id" | awk '/Parent window id:/ { print $4 }') && [ "$parent" != "$root" ]; do
        id=$parent
    done
    echo "$id"
}

# The widest child window of a window no higher than 40 pixels and at least 8: in openbox's
# frame the title bar, and in the title bar the title itself, which openbox draws in a window of
# its own.
widest_short_child() {
    xwininfo -children -id "$1" | awk '
        match($0, / [0-9]+x[0-9]+[+-][0-9]+[+-][0-9]+ /) {
            split(substr($0, RSTART + 1, RLENGTH - 2), size, /[x+-]/)
            if (size[2] >= 8 && size[2] <= 40 && size[1] > widest) { widest = size[1]; id = $1 }
        }
        END { if (id) print id; else exit 1 }'
}

# The width in pixels of what the window manager drew of a window's title: from the first to the
# last column of its title that differs from the title's background (its first column).
title_ink_width() {
    local bar label x y width height
    bar=$(widest_short_child "$(frame_of "$1")") || return 1
    label=$(widest_short_child "$bar") || return 1
    read -r x y width height < <(client_geometry "$label")
    import -window root -crop "${width}x$height+$x+$y" +repage txt:- | awk '
        NR > 1 {
            split($1, at, /[,:]/)
            if (at[1] == 0) background[at[2]] = $3
            else if ($3 != background[at[2]]) { if (first == "" || at[1] < first) first = at[1]; if (at[1] > last) last = at[1] }
        }
        END { print first == "" ? 0 : last - first + 1 }'
}

# The width in pixels at which the window manager draws TITLE whole: as it draws it on WIDE, a
# shown window wide enough for it that nothing covers, given that title for a moment.
#     whole_title_width TITLE WIDE WIDE-TITLE
whole_title_width() {
    xdotool set_window --name "$1" "$2"
    settle
    title_ink_width "$2"
    xdotool set_window --name "$3" "$2"
}

# Fails unless the window manager draws a window's title whole, WHOLE pixels wide.
#     expect_whole_title WINDOW TITLE WHOLE
expect_whole_title() {
    local shown
    settle
    shown=$(title_ink_width "$1")
    (($3 > 0 && shown >= $3 - 2)) || fail "the title \"$2\" shows $shown pixels wide, cut short of its $3 pixels"
}
