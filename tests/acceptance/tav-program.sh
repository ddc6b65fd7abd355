# shellcheck shell=bash
# The program under test as the acceptance tests run it: from a folder of its own (its database
# file lives beside it), with its own settings, runtime folder and print folder, where every print
# run is written as a PDF file. Sourced after x-driver.sh; expects $work and $out to be set.
# shellcheck disable=SC2154 # $work, $out and $window belong to the sourcing script and x-driver.sh
# shellcheck disable=SC2034 # the pages, constants and sizes set here are for the sourcing script

# Copies the executable into the program folder ($program, its database file $database) and makes
# the test's own folders, which go with everything the test started when it ends.
#     prepare_program TAV-EXECUTABLE
prepare_program() {
    program=$work/program
    database=$program/TAV.xml
    mkdir -p "$program" "$work/home" "$work/config" "$work/runtime" "$work/pdf"
    chmod 700 "$work/runtime"
    cp "$1" "$program/tav"
    trap end_test EXIT
    trap 'exit 143' INT TERM
}

# Starts the program ($tav_pid) without waiting for any window.
tav_pid=""
run_program() {
    env -u LANGUAGE HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
        TAV_PRINT_TO_PDF="$work/pdf" QT_QPA_PLATFORM=xcb LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 \
        "$program/tav" >>"$out/tav.log" 2>&1 &
    tav_pid=$!
}

# Starts the program and waits for its main window ($main), the larger of the two windows titled
# "TAV" (the other is Qt's 1x1 leader).
launch_program() {
    run_program
    wait_window TAV
    main=$window
}

program_ended() {
    [ ! -e "/proc/$tav_pid" ] || [ "$(cut -d' ' -f3 "/proc/$tav_pid/stat" 2>/dev/null)" = Z ]
}

# Waits for the program to end after a request to close; it must end cleanly.
await_clean_end() {
    wait_until 30 "the program to end after the close request" program_ended
    local status=0
    wait "$tav_pid" || status=$?
    tav_pid=""
    ((status == 0)) || fail "the program ended with status $status"
}

stop_program() {
    if [ -n "$tav_pid" ]; then
        kill "$tav_pid" 2>/dev/null || true
        wait "$tav_pid" 2>/dev/null || true
        tav_pid=""
    fi
}

# Ends every process the test started and removes its folder; the tests run it on exit.
end_test() {
    stop_program
    stop_window_manager
    stop_x_server
    rm -rf "$work"
}

# --- The main window's pages, in twips -----------------------------------------------------------
# Page frames stand at Left 1560, Top 0 of the client area; the page layout fits them to the window
# (width - 1665, height - 510) and places many controls from the frame's width W, its height H and
# Half, W / 2 rounded to the even neighbour.
readonly PAGE_LEFT=1560
readonly CUSTOMERS=0 PRODUCTS=1 BILL_PERIODS=2 PRINTING=3 PRINT_OPTIONS=4

# Sets $page_width, $page_height and $half from the main window's size.
measure_pages() {
    local width height
    # The layout follows the window's outer size, which holds a window manager's frame.
    if window_framed "$main"; then
        read -r _ _ width height < <(outer_geometry "$main")
    else
        read -r width height < <(window_size "$main")
    fi
    page_width=$((width * TWIPS_PER_PIXEL - 1665))
    page_height=$((height * TWIPS_PER_PIXEL - 510))
    half=$((page_width / 2))
    ((page_width % 2 == 0 || half % 2 == 0)) || half=$((half + 1))
}

# A control of the shown page, by its rectangle within the page frame.
click_on_page() {
    local left=$1 top=$2
    shift 2
    click_control "$main" $((PAGE_LEFT + left)) "$top" "$@"
}

# The buttons at the bottom of pages 0 to 3, Top H - 720, 1935 x 615: the right one at Left
# W - 2050 ("&New Customer", "&New Product or Service", "&New Bill Period", "&Add New", "Print
# Selected as &Envelopes"), the left one at W - 4210 ("&Print Selected as Invoices"), and the
# payment button of the Bill Periods page ("Log &Payment && Optional Note") at Left 2280. Their
# letters are also those of page accelerators, and a letter that two controls carry only moves
# the focus, so they are clicked.
click_right_button() {
    measure_pages
    click_on_page $((page_width - 2050)) $((page_height - 720)) 1935 615
}

click_left_button() {
    measure_pages
    click_on_page $((page_width - 4210)) $((page_height - 720)) 1935 615
}

click_payment_button() {
    measure_pages
    click_on_page 2280 $((page_height - 720)) 1935 615
}

# The page tabs down the left edge of the window: Left 15, Top 360 + 840 x index, 1545 x 840.
show_page() {
    click_control "$main" 15 $((360 + 840 * $1)) 1545 840
    settle
}

# Succeeds once the print folder holds one PDF file ($pdf_file), written to its end, of PAGES pages.
pdf_complete() {
    local pages=$1 files=("$work/pdf"/*.pdf)
    ((${#files[@]} == 1)) && [ -f "${files[0]}" ] || return 1
    pdf_file=${files[0]}
    tail -c 32 "$pdf_file" | grep -q '%%EOF' || return 1
    [ "$(pdfinfo "$pdf_file" 2>/dev/null | awk '/^Pages:/ { print $2 }')" = "$pages" ]
}
