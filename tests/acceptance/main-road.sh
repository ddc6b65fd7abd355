#!/usr/bin/env bash
# Acceptance test of the main road: the real program in a real window on a private X server,
# driven from outside by the keyboard and the mouse as a person would use it.
#
#  1. first start on no database file;
#  2. two customers and three products and services with prices;
#  3. a bill period that bills one product seven times to both customers and another three times
#     to one of them, with its name and dates, finalised (prices that binary fractions cannot hold,
#     so every amount and total shows whether money is counted exactly);
#  4. a partial payment with a note for one customer;
#  5. the period's invoices and envelopes printed (to PDF files);
#  6. save, close, start again;
#  7. on a file without bill periods, a period finalised and abandoned with Cancel: the Printing
#     page then prints nothing.
#
# Then it checks the database file, the printed text, and that the second start shows the same
# data: its invoices print the same, its customer-list printout holds every customer detail, and
# the period's tree (balances, items, the payment's note) looks the same, pixel for pixel.
# Screenshots of each step, the PDFs, their text, the database file and the program's output stay
# in OUTPUT-FOLDER.
#
#     main-road.sh TAV-EXECUTABLE CLOSE-WINDOW-HELPER OUTPUT-FOLDER
set -euo pipefail

tav_executable=$1
close_window=$2
out=$3
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d /tmp/tav-acceptance.XXXXXX)
rm -rf "$out"
mkdir -p "$out"
# shellcheck source=x-driver.sh
source "$here/x-driver.sh"
# shellcheck source=tav-program.sh
source "$here/tav-program.sh"

prepare_program "$tav_executable"

# Starts the program and waits for its main window ($main) and its page geometry.
start_program() {
    launch_program
    settle 1
    measure_pages
}

# Closes the main window as the window system's close button does; with nothing left unsaved the
# program ends without a question, and it must end cleanly.
close_program() {
    "$close_window" "$main"
    await_clean_end
}

# The check-mark button (Save) in front of the page's title bar.
click_save() {
    click_control "$main" 1680 135 390 480
}

# The program's own message window "Quobilla Message": its "No" button.
answer_no_in_message_window() {
    wait_window "Quobilla Message"
    local message=$window
    screenshot "${1}"
    click_control "$message" 3120 2280 1215 495
    wait_window_gone "$message"
}

# A picture of the inside of the Bill Periods tree in view mode (Left 120, Top 1560, W - 240 x
# H - 2400) with the period's node selected and the pointer away: $out/NAME.png.
picture_of_period_tree() {
    click_row tree "$main" "$tree_left" "$view_width" 0
    xdotool mousemove --window "$main" 0 0
    settle
    local left=$((tree_left / TWIPS_PER_PIXEL + 2)) top=$((1560 / TWIPS_PER_PIXEL + 2))
    local width=$(((page_width - 240) / TWIPS_PER_PIXEL - 4)) height=$(((page_height - 2400) / TWIPS_PER_PIXEL - 4))
    import -window "$main" -crop "${width}x$height+$left+$top" +repage "$out/$1.png"
}

# --- Steps of the main road ----------------------------------------------------------------------

# Fields in tab order: first name, last name, address 1-3, email, phone, notes.
add_customer() {
    click_right_button
    local field
    for field in "${@:1:7}"; do
        [ -z "$field" ] || type_text "$main" "$field"
        keys "$main" Tab
    done
    type_text "$main" "$8"
    keys "$main" alt+a
}

add_product() {
    click_right_button
    type_text "$main" "$1"
    keys "$main" Tab
    type_text "$main" "$2"
    keys "$main" alt+a
}

# Waits for the PDF file of a print run of PAGES pages, moves it to $out/NAME.pdf and its text to
# $out/NAME.txt. The print folder is then empty again for the next run.
#     await_pdf NAME PAGES
await_pdf() {
    local name=$1 pages=$2
    wait_until 60 "the PDF file of $name ($pages pages)" pdf_complete "$pages"
    mv "$pdf_file" "$out/$name.pdf"
    pdftotext -layout "$out/$name.pdf" "$out/$name.txt"
}

# Fails unless page PAGE of $out/NAME.pdf holds a line matching each extended regular expression.
expect_lines() {
    local name=$1 page=$2 text pattern
    shift 2
    text=$(pdftotext -layout -f "$page" -l "$page" "$out/$name.pdf" -)
    for pattern in "$@"; do
        grep -Eq -- "$pattern" <<<"$text" || fail "page $page of $name.pdf has no line matching: $pattern"
    done
}

# The first run's printouts: each invoice with its customer's address, items, amounts, total and
# due date; each envelope with its customer's address.
# shellcheck disable=SC2016 # the dollar signs in the patterns are the amounts' own
check_first_printouts() {
    local bill_due='BILL DUE: 04/15/2026'
    expect_lines invoices 1 '^ *INVOICE *$' "$bill_due" '^Grace Hopper\b' '^1 Navy Road\b' '^Arlington VA 22201\b' \
        '^Lawn Mowing \(x7\) +\$139\.93 *$' 'TOTAL DUE: +\$139\.93 *$'
    expect_lines invoices 2 '^ *INVOICE *$' "$bill_due" '^Ada Lovelace\b' "^12 St James's Square\b" '^London\b' \
        '^SW1Y 4JH\b' '^Lawn Mowing \(x7\) +\$139\.93 *$' '^Hedge Trimming \(x3\) +\$0\.30 *$' \
        'TOTAL DUE: +\$140\.23 *$'
    if grep -q 'Leaf Removal' "$out/invoices.txt"; then fail "an invoice bills Leaf Removal, which was never billed"; fi
    expect_lines envelopes 1 '^ *Grace Hopper *$' '^ *1 Navy Road *$' '^ *Arlington VA 22201 *$'
    expect_lines envelopes 2 '^ *Ada Lovelace *$' "^ *12 St James's Square *\$" '^ *London *$' '^ *SW1Y 4JH *$'
}

# --- 1. First start on no database file ----------------------------------------------------------
start_x_server
[ ! -e "$database" ] || fail "a database file exists before the first start"
start_program
screenshot first-start

# --- 2. Customers, products and services ---------------------------------------------------------
show_page $CUSTOMERS
add_customer Ada Lovelace "12 St James's Square" London "SW1Y 4JH" ada@example.org "020 7946 0001" \
    "Prefers invoices by post"
add_customer Grace Hopper "1 Navy Road" "Arlington VA 22201" "" grace@example.org "555-0100" "Pays by check"
settle
screenshot customers-added

show_page $PRODUCTS
add_product 19.99 "Lawn Mowing"
add_product 0.10 "Hedge Trimming"
add_product 12.5 "Leaf Removal"
settle
screenshot products-added

# --- 3. A bill period ----------------------------------------------------------------------------
# In new-period entry the tree of customers and the product list share the page: the tree at
# Left 120, the list at Left Half + 120, both Top 1560, Half - 240 wide and H - 2400 high.
show_page $BILL_PERIODS
click_right_button
type_text "$main" "March 2026"
keys "$main" Tab
type_text "$main" 03/01/2026
keys "$main" Tab
type_text "$main" 03/31/2026
keys "$main" Tab
type_text "$main" 04/15/2026

view_width=$((half - 240))
view_height=$((page_height - 2400))
tree_left=$((PAGE_LEFT + 120))
list_left=$((PAGE_LEFT + half + 120))
measure_rows tree "$main" "$tree_left" 1560 "$view_width" "$view_height"
measure_rows list "$main" "$list_left" 1560 "$view_width" "$view_height"
bill() { double_click_row list "$main" "$list_left" "$view_width" "$1"; }
# Products stand by price: 0 Hedge Trimming, 1 Leaf Removal, 2 Lawn Mowing. Every customer starts
# marked ("*"); the tree then reads: 0 the period, 1 Hopper, 2 her item, 3 Lovelace, 4 her item.
for _ in 1 2 3 4 5 6 7; do bill 2; done
click_row tree "$main" "$tree_left" "$view_width" 3
for _ in 1 2 3; do bill 0; done
settle
screenshot period-composed

keys "$main" alt+a
wait_window TAV "$main"
question=$window
screenshot finalise-question
keys "$question" Return
wait_window_gone "$question"
settle
screenshot period-finalised

# --- 4. A partial payment with a note ------------------------------------------------------------
# The finalised period shows in view mode in the same tree, every node expanded:
# 0 the period, 1 Hopper, 2 her item, 3 Lovelace, 4 and 5 her items.
click_row tree "$main" "$tree_left" "$view_width" 3
click_payment_button
wait_window "Enter New Balance"
type_text "$window" 100.10
screenshot new-balance
keys "$window" Return
wait_window "Optional Note"
type_text "$window" "Check 1234"
screenshot payment-note
keys "$window" Return
wait_window_gone "$window"
settle
screenshot payment-logged
picture_of_period_tree period-tree

# --- 5. Invoices and envelopes -------------------------------------------------------------------
# The company information is empty, so the program first offers to go and enter it; "No" prints.
show_page $PRINTING
click_left_button
answer_no_in_message_window company-info-question
await_pdf invoices 2
settle
screenshot invoices-printed
keys "$main" alt+e
await_pdf envelopes 2
settle
screenshot envelopes-printed

# --- 6. Save, close, start again -----------------------------------------------------------------
click_save
database_saved() { grep -q '<Note>Check 1234</Note>' "$database" 2>/dev/null; }
wait_until 30 "the database file to be saved" database_saved
settle
screenshot saved
close_program
cp "$database" "$out/TAV.xml"

# The file's lines end in CR LF, the expected file's in LF alone.
diff -u "$here/expected-TAV.xml" <(tr -d '\r' <"$database") >&2 ||
    fail "the saved database file differs from expected-TAV.xml"

check_first_printouts

# --- The second start shows the same data --------------------------------------------------------
# It reopens the page it closed on, Printing, with the same period: its invoices print the same.
start_program
screenshot second-start
click_left_button
answer_no_in_message_window second-start-company-info-question
await_pdf invoices-second-start 2
diff -u "$out/invoices.txt" "$out/invoices-second-start.txt" >&2 ||
    fail "the invoices printed after the second start differ from the first ones"

# The customer list, printed from the Customers page's printer button (Left Half - 600, Top 585,
# 375 x 360) through its options window ("Print" at Left 480, Top 5280, 1695 x 615).
show_page $CUSTOMERS
screenshot second-start-customers
click_on_page $((half - 600)) 585 375 360
wait_window "Customer List Print Options"
screenshot customer-list-options
click_control "$window" 480 5280 1695 615
await_pdf customer-list 1
for detail in 'Lovelace, Ada' "12 St James's Square" London 'SW1Y 4JH' ada@example.org '020 7946 0001' \
    'Prefers invoices by post' 'Hopper, Grace' '1 Navy Road' 'Arlington VA 22201' grace@example.org 555-0100 \
    'Pays by check'; do
    grep -qF -- "$detail" "$out/customer-list.txt" ||
        fail "the customer list printed after the second start lacks: $detail"
done

# The period's tree shows the same balances, items and payment note as before the close.
show_page $BILL_PERIODS
picture_of_period_tree period-tree-second-start
screenshot second-start-bill-periods
compare -metric AE "$out/period-tree.png" "$out/period-tree-second-start.png" null: 2>/dev/null ||
    fail "the Bill Periods tree looks different after the second start (period-tree*.png)"
cp "$database" "$work/database-before"
close_program
cmp -s "$work/database-before" "$database" || fail "the second run changed the database file without an edit"

# --- 7. Cancel after finalising a period leaves nothing of it to print --------------------------
# The same file without its bill period: a new period is billed and finalised, the Printing page
# shows it, and Cancel abandons it. Printing invoices and envelopes then prints nothing.
sed -e '/<BillPeriods>/,/<\/BillPeriods>/{/BillPeriods>/!d}' \
    -e '/<InvoiceRecords>/,/<\/InvoiceRecords>/{/InvoiceRecords>/!d}' "$work/database-before" >"$database"
cp "$database" "$work/database-without-periods"
start_program
show_page $BILL_PERIODS
click_right_button
type_text "$main" "April 2026"
keys "$main" Tab Tab Tab
type_text "$main" 05/15/2026
view_width=$((half - 240))
list_left=$((PAGE_LEFT + half + 120))
measure_rows list "$main" "$list_left" 1560 "$view_width" $((page_height - 2400))
bill 0
keys "$main" alt+a
wait_window TAV "$main"
keys "$window" Return
wait_window_gone "$window"
show_page $PRINTING
screenshot abandoned-period-on-printing-page
click_control "$main" 2160 135 390 480
wait_window 'ABANDON ALL CHANGES[?][?][?]' # a title is matched as a regular expression
screenshot abandon-question
keys "$window" Return
wait_window_gone "$window"
settle
screenshot period-abandoned
click_left_button
answer_no_in_message_window abandoned-period-company-info-question
keys "$main" alt+e
sleep 3
files=("$work/pdf"/*.pdf)
[ ! -e "${files[0]}" ] || fail "the Printing page printed the abandoned period: ${files[*]}"
close_program
cmp -s "$work/database-without-periods" "$database" || fail "abandoning the period changed the database file"
echo "The main road passed; screenshots and files are in $out"
