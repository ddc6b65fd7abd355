#!/usr/bin/env bash
# Acceptance test of the windows under a window manager that frames them after they show, as
# desktop window managers do: the real program on a private X server with openbox, started and
# closed again and again, driven from outside.
#
#  1. three starts and closes without a stored placement to begin with: the window's outer
#     rectangle and the stored placement stay the same, and the first page is laid out at start
#     as a page switch lays it out;
#  2. a stored size far beyond the screen and a position off it: the window opens at its designed
#     size on the screen and stores sane values again;
#  3. an Alt+letter that no control carries types nothing; the progress window shows no title and
#     holds its size; the message box holds its size and Enter presses its focused button;
#  4. the windows the main window owns (the message box, the customer-list options, the input
#     boxes) are kept with it by the window manager, and the input boxes show their whole titles;
#  5. the stored rectangle is the window's normal one whatever path the window took: Maximise and
#     Restore, a maximised start and Restore, a minimised close and the start after it, and a
#     stored size below the window's minimum with the title bar above the screen.
#
# Screenshots of each step and the program's output stay in OUTPUT-FOLDER.
#
#     framed-windows.sh TAV-EXECUTABLE CLOSE-WINDOW-HELPER OUTPUT-FOLDER
set -euo pipefail

tav_executable=$1
close_window=$2
out=$3
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d /tmp/tav-framed.XXXXXX)
rm -rf "$out"
mkdir -p "$out"
# shellcheck source=x-driver.sh
source "$here/x-driver.sh"
# shellcheck source=tav-program.sh
source "$here/tav-program.sh"

prepare_program "$tav_executable"
settings_file=$work/config/TAV/TAV.ini

# The design's start size of the main window, 10110 x 6765 twips, with its frame, and its minimum
# height, 6750 twips.
readonly START_WIDTH=674 START_HEIGHT=451 MINIMUM_HEIGHT=450

# Starts the program and waits until the window manager has framed its main window ($main) and
# the program has answered the frame.
start_program() {
    launch_program
    wait_until 20 "the window manager to frame the main window" window_framed "$main"
    settle 1
}

# Closes the main window as its close box does and waits for the program to end cleanly; with
# ANSWER, answers the question about unsaved changes with that key (alt+n: No).
#     close_program [ANSWER]
close_program() {
    "$close_window" "$main"
    if [ $# -gt 0 ]; then
        wait_window TAV "$main"
        keys "$window" "$1"
    fi
    await_clean_end
}

# The main window's placement as stored: "LEFT TOP WIDTH HEIGHT" in twips.
stored_placement() {
    local key
    for key in Left Top Width Height; do
        sed -n "s/^frmTAV_$key=//p" "$settings_file"
    done | paste -sd' '
}

stored_state() {
    sed -n "s/^frmTAV_WindowState=//p" "$settings_file"
}

store_placement() {
    sed -i "s/^frmTAV_$1=.*/frmTAV_$1=$2/" "$settings_file"
}

# "X Y WIDTH HEIGHT" in pixels of a stored "LEFT TOP WIDTH HEIGHT" in twips.
pixels_of() {
    local left top width height
    read -r left top width height <<<"$1"
    echo $((left / TWIPS_PER_PIXEL)) $((top / TWIPS_PER_PIXEL)) $((width / TWIPS_PER_PIXEL)) $((height / TWIPS_PER_PIXEL))
}

# Succeeds when two "X Y WIDTH HEIGHT" rectangles agree to a pixel.
#     same_rectangle EXPECTED ACTUAL
same_rectangle() {
    local i
    local -a expected actual
    read -r -a expected <<<"$1"
    read -r -a actual <<<"$2"
    ((${#actual[@]} == 4)) || return 1
    for i in 0 1 2 3; do
        local difference=$((expected[i] - actual[i]))
        ((difference >= -1 && difference <= 1)) || return 1
    done
}

# Fails unless two "X Y WIDTH HEIGHT" rectangles agree to a pixel.
#     expect_same_rectangle WHAT EXPECTED ACTUAL
expect_same_rectangle() {
    same_rectangle "$2" "$3" || fail "$1: expected $2, found $3"
}

# The band of the client area that holds the page's bottom buttons, as a picture.
#     picture_of_bottom NAME
picture_of_bottom() {
    local width height
    read -r _ _ width height < <(client_geometry "$main")
    xdotool mousemove --window "$main" 0 0
    settle
    import -window "$main" -crop "$((width - 120))x80+120+$((height - 80))" +repage "$out/$1.png"
}

# --- 1. Three starts and closes ------------------------------------------------------------------
start_x_server
start_window_manager
start_program
screenshot first-start
read -r _ _ width height < <(outer_geometry "$main")
((width == START_WIDTH && height == START_HEIGHT)) ||
    fail "the first start shows a window of ${width}x$height pixels with its frame, not ${START_WIDTH}x$START_HEIGHT"
first_outer=$(outer_geometry "$main")
# A page switch lays the page out for the window as it is; the start must have done the same.
picture_of_bottom bottom-at-start
keys "$main" alt+p alt+c
picture_of_bottom bottom-after-page-switch
compare -metric AE "$out/bottom-at-start.png" "$out/bottom-after-page-switch.png" null: 2>/dev/null ||
    fail "the page's bottom moved at the first page switch (bottom-*.png): the start laid it out for another size"
# Emptying the company boxes of a database that was never saved counts as a change: not saved.
close_program alt+n
first_stored=$(stored_placement)

for start in 2 3; do
    start_program
    screenshot "start-$start"
    expect_same_rectangle "the window at start $start" "$first_outer" "$(outer_geometry "$main")"
    close_program
    [ "$(stored_placement)" = "$first_stored" ] ||
        fail "start $start stored the placement $(stored_placement), the first start $first_stored"
done
expect_same_rectangle "the stored placement" "$first_outer" "$(pixels_of "$first_stored")"

# --- 2. A size beyond the screen, a position off it ----------------------------------------------
store_placement Width 1000000000
store_placement Height 1000000000
store_placement Left 30000
start_program
screenshot stored-size-beyond-the-screen
read -r x y width height < <(outer_geometry "$main")
((width == START_WIDTH && height == START_HEIGHT)) ||
    fail "a stored size beyond the screen gave a window of ${width}x$height pixels, not the designed one"
read -r screen_width screen_height < <(screen_size)
((x >= 0 && y >= 0 && x + width <= screen_width && y + height <= screen_height)) ||
    fail "a window stored off the screen opened at $x,$y"
close_program
read -r _ _ width height < <(stored_placement)
((width == START_WIDTH * TWIPS_PER_PIXEL && height == START_HEIGHT * TWIPS_PER_PIXEL)) ||
    fail "after a stored size beyond the screen, the close stored ${width}x$height twips"

# --- 3. Keys, the progress window and the message box --------------------------------------------
start_program
# "Ann" typed with Alt+Z and Alt+Q among the letters, which no control carries.
click_right_button
type_text "$main" Ann
keys "$main" alt+z alt+q Tab
type_text "$main" Lee
keys "$main" alt+a
# A second customer, deleted at once: the progress window reports it.
click_right_button
type_text "$main" Bob
keys "$main" alt+a
keys "$main" alt+d
wait_window 'Delete Existing Customer\?\?\?'
keys "$window" Return
# Untitled: not even the program's name in its title bar.
wait_window " "
progress=$window
screenshot progress-window
window_allows "$main" MAXIMIZE_VERT || fail "the main window cannot be maximized"
! window_allows "$progress" RESIZE || fail "the progress window can be resized"
! window_allows "$progress" MAXIMIZE_VERT || fail "the progress window can be maximized"
click_control "$progress" 1860 1020 1080 375
wait_window_gone "$progress"
click_control "$main" 1680 135 390 480
customer_saved() { grep -q '<FName>Ann</FName>' "$database" 2>/dev/null; }
wait_until 30 "the database file to hold the customer Ann as typed" customer_saved

# The explanation before closing the books: Tab to its No, and Enter presses it.
keys "$main" alt+o
click_on_page 240 2160 3255 375
wait_window "Quobilla Message"
message=$window
screenshot message-box
! window_allows "$message" RESIZE || fail "the message box can be resized"
! window_allows "$message" MAXIMIZE_VERT || fail "the message box can be maximized"
keys "$message" Tab Return
wait_window_gone "$message"

keys "$main" alt+i
settle
screenshot company-info
close_program

# --- 4. Owned windows ----------------------------------------------------------------------------
# A window the main window owns is transient for it: the window manager keeps it above the main
# window and never leaves the main window blocked with the window out of sight.
expect_owned() {
    owned_by "$window" "$main" || fail "the window \"$1\" is not kept with the main window (WM_TRANSIENT_FOR)"
}

owned_windows() {
    # One customer billed in the period shown at start.
    cp "$here/long-texts-TAV.xml" "$database"
    start_program
    measure_pages
    local -A whole
    local title
    for title in "Enter New Balance" "Optional Note" "Add a Note to Customer Bill"; do
        whole[$title]=$(whole_title_width "$title" "$main" TAV)
    done

    # The customer-list options, from the Customers page's printer button.
    show_page $CUSTOMERS
    click_on_page $((half - 600)) 585 375 360
    wait_window "Customer List Print Options"
    expect_owned "Customer List Print Options"
    keys "$window" alt+c
    wait_window_gone "$window"

    # The message box, explaining the closing of the books.
    keys "$main" alt+o
    click_on_page 240 2160 3255 375
    wait_window "Quobilla Message"
    expect_owned "Quobilla Message"
    keys "$window" alt+n
    wait_window_gone "$window"

    # The payment's input boxes: the tree reads 0 the period, 1 the customer, 2 her item.
    show_page $BILL_PERIODS
    local tree_left=$((PAGE_LEFT + 120)) tree_width=$((page_width - 240))
    measure_rows periods "$main" "$tree_left" 1560 "$tree_width" $((page_height - 2400))
    click_row periods "$main" "$tree_left" "$tree_width" 1
    click_payment_button
    for title in "Enter New Balance" "Optional Note"; do
        wait_window "$title"
        screenshot "input-box-$title"
        expect_owned "$title"
        expect_whole_title "$window" "$title" "${whole[$title]}"
        keys "$window" Escape
        wait_window_gone "$window"
    done

    # The invoice note's input box, from a right click on the customer of the Printing page.
    show_page $PRINTING
    tree_width=$((page_width - 225))
    measure_rows printing "$main" "$tree_left" 1320 "$tree_width" $((page_height - 2145))
    click_row printing "$main" "$tree_left" "$tree_width" 1
    xdotool click 3
    title="Add a Note to Customer Bill"
    wait_window "$title"
    screenshot invoice-note-box
    expect_owned "$title"
    expect_whole_title "$window" "$title" "${whole[$title]}"
    keys "$window" Escape
    wait_window_gone "$window"
    close_program
}
owned_windows

# --- 5. Window states ----------------------------------------------------------------------------
# The window manager moves and frames the window in steps, so each rectangle is waited for; once
# reached it must hold.
#     expect_window WHAT EXPECTED
expect_window() {
    local deadline=$((SECONDS + 10))
    until same_rectangle "$2" "$(outer_geometry "$main" 2>/dev/null)"; do
        ((SECONDS < deadline)) || fail "$1: expected $2, found $(outer_geometry "$main" 2>/dev/null)"
        sleep 0.1
    done
    settle 1
    expect_same_rectangle "$1" "$2" "$(outer_geometry "$main")"
}

# Maximises or restores the main window as a person does: a double click on its title bar.
toggle_maximised() {
    local x y width top
    read -r x y width _ < <(outer_geometry "$main")
    read -r _ _ top _ < <(frame_extents "$main")
    xdotool mousemove $((x + width / 2)) $((y + top / 2)) click --repeat 2 --delay 80 1
}

maximised() {
    xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ
}

# Sets $window to the program's minimised main window; fails while there is none.
find_iconic_window() {
    local id
    window=""
    for id in $(xdotool search --name '^TAV$' 2>/dev/null); do
        if iconic "$id"; then window=$id; fi
    done
    [ -n "$window" ]
}

# Fails unless the stored placement is STORED with the state STATE.
#     expect_stored WHAT STORED STATE
expect_stored() {
    [ "$(stored_placement)" = "$2" ] && [ "$(stored_state)" = "$3" ] ||
        fail "$1 stored $(stored_placement) in state $(stored_state), not $2 in state $3"
}

# Maximise and Restore at a size of the user's give back the window's rectangle, which is what
# the close stores and the next start shows.
maximise_restore_close_start() {
    store_placement Left 1500
    store_placement Top 1200
    store_placement Width 12000
    store_placement Height 8100
    local stored normal
    stored=$(stored_placement)
    normal=$(pixels_of "$stored")
    start_program
    expect_window "the window at the user's size" "$normal"
    toggle_maximised
    expect_window "the maximised window" "0 0 $screen_width $screen_height"
    toggle_maximised
    expect_window "the window restored after Maximise" "$normal"
    screenshot restored-after-maximise
    close_program
    expect_stored "a close after Maximise and Restore" "$stored" 0
    start_program
    expect_window "the start after Maximise and Restore" "$normal"
    close_program
}

# A window closed maximised starts maximised, and Restore gives the stored normal rectangle.
maximised_start_then_restore() {
    local stored normal
    stored=$(stored_placement)
    normal=$(pixels_of "$stored")
    store_placement WindowState 2
    start_program
    maximised || fail "a window closed maximised started as $(outer_geometry "$main"), not maximised"
    expect_window "the maximised start" "0 0 $screen_width $screen_height"
    toggle_maximised
    expect_window "the window restored after a maximised start" "$normal"
    screenshot restored-after-maximised-start
    close_program
    expect_stored "a close after a maximised start and Restore" "$stored" 0
}

# A window closed minimised starts minimised, and comes back at its stored rectangle.
minimised_close_then_start() {
    local stored normal
    stored=$(stored_placement)
    normal=$(pixels_of "$stored")
    start_program
    xdotool windowminimize "$main"
    wait_until 10 "the main window to be minimised" iconic "$main"
    close_program
    expect_stored "a minimised close" "$stored" 1
    run_program
    wait_until 20 "the program to start minimised" find_iconic_window
    main=$window
    settle 1
    # As a task bar brings it back.
    xdotool windowactivate "$main"
    expect_window "the window restored after a minimised start" "$normal"
    close_program
    expect_stored "a close after a minimised start" "$stored" 0
}

# A stored height below the window's minimum with the title bar above the screen, as a window that
# went wrong stored them: the window opens at its minimum with its title bar on the screen, and its
# close stores values that a start applies.
stored_size_below_the_minimum() {
    store_placement Height 6000
    store_placement Left -15
    store_placement Top -300
    start_program
    screenshot stored-size-below-the-minimum
    local x y height left top
    read -r x y _ height < <(outer_geometry "$main")
    ((height == MINIMUM_HEIGHT)) ||
        fail "a stored height below the minimum gave a window $height pixels high, not $MINIMUM_HEIGHT"
    ((x >= 0 && y >= 0)) || fail "a stored position above the screen opened the window at $x,$y"
    close_program
    read -r left top _ height < <(stored_placement)
    ((left >= 0 && top >= 0 && height == MINIMUM_HEIGHT * TWIPS_PER_PIXEL)) ||
        fail "after a stored size below the minimum, the close stored Left $left, Top $top, Height $height"
}

maximise_restore_close_start
maximised_start_then_restore
minimised_close_then_start
stored_size_below_the_minimum
echo "The windows passed under a window manager; screenshots are in $out"
