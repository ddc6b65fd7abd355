#!/usr/bin/env bash
# Acceptance test of long texts and long invoices: the real program on a private X server, started
# on a database whose company name, product name (105 characters, billed three times) and invoice
# closing are too long for their labels, with a title of the user's own ("PRO FORMA INVOICE" in
# large print) and a second customer billed for thirty services. Given an invoice note of 100
# characters by a right click on the first customer, it prints both invoices on each of the three
# layouts (to PDF files). On every page each long text must stand inside its label's rectangle and
# read as its beginning ended by an ellipsis, the description keeping its quantity; the amount
# column is left to the amount; the title stands whole, on the page and clear of every other word.
# The thirty services print on three pages, twelve rows to a page, each page but the last saying
# that the invoice continues and the last one carrying the true total. Positions are read from
# the PDF with pdftotext -bbox.
#
#     long-texts.sh TAV-EXECUTABLE OUTPUT-FOLDER
set -euo pipefail

tav_executable=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d /tmp/tav-long-texts.XXXXXX)
rm -rf "$out"
mkdir -p "$out"
# shellcheck source=x-driver.sh
source "$here/x-driver.sh"
# shellcheck source=tav-program.sh
source "$here/tav-program.sh"

prepare_program "$tav_executable"

# The second customer's thirty services, "Service 01" at $1.25 up to "Service 30" at $30.25: one
# product each, all billed to Konrad Zuse, who sorts after Ada Lovelace.
# shellcheck disable=SC2016 # the dollar signs are the amounts' own
readonly SERVICES=30 SERVICES_TOTAL='$472.50'
service_price() { printf '$%d.25' "$1"; }
services_database() {
    local products="" items="" i
    for ((i = 1; i <= SERVICES; i++)); do
        products+=$(printf '\t\t<PS PSID="%d">\n\t\t\t<Item>Service %02d</Item>\n\t\t\t<ItemPrice>%s</ItemPrice>\n' \
            $((i + 1)) "$i" "$(service_price "$i")")$'\n\t\t\t<Current>Yes</Current>\n\t\t</PS>\n'
        items+=$(printf '\t\t\t<PSID Number="%d">%d</PSID>' "$i" $((i + 1)))$'\n'
    done
    local customer=$'\t\t<Customer CID="2">\n\t\t\t<FName>Konrad</FName>\n\t\t\t<LName>Zuse</LName>\n'
    customer+=$'\t\t\t<Current>Yes</Current>\n\t\t</Customer>\n'
    local record=$'\t\t<InvoiceRecord>\n\t\t\t<BP>March 2026</BP>\n\t\t\t<CID>2</CID>\n'
    record+=$'\t\t\t<AccountBalance>472.5</AccountBalance>\n'"$items"$'\t\t</InvoiceRecord>\n'
    awk -v customer="$customer" -v products="$products" -v record="$record" '
        /<\/Customers>/ { printf "%s", customer }
        /<\/ProductsAndServices>/ { printf "%s", products }
        /<\/InvoiceRecords>/ { printf "%s", record }
        { print }' "$here/long-texts-TAV.xml"
}
services_database >"$database"
# The user's own title, in large print (the default size).
mkdir -p "$work/config/TAV"
printf '[Settings]\nInvoiceTitleOption=2\nInvoiceTitleText=PRO FORMA INVOICE\n' >"$work/config/TAV/TAV.ini"
readonly TITLE='PRO FORMA INVOICE'

# The long texts: the product's name and the closing line as long-texts-TAV.xml holds them.
readonly PRODUCT='Weekly lawn mowing, edging, trimming of hedges and shrubs, leaf blowing, and removal of all '\
'garden wastes'
readonly NOTE='Your account is past due; please pay the balance shown within the fourteen days to avoid a late fee.'
readonly CLOSING='Thank you for your business - we look forward to serving you again next season and for many '\
'years to come!'

# --- Where the texts belong, in twips of the page area (the same on every layout) ----------------
# Item row 0: its description (lblPS(0)) left of the divider at 8640, its amount (lblAm(0), centred)
# right of it; row i stands 360 lower. The total's caption (lblTotalDue, right-aligned), the note
# and the closing line; everything stands between the item table's edges.
readonly DIVIDER=8640 ROW_STEP=360 ROWS=12 CONTENT_LEFT=600 CONTENT_RIGHT=10815
readonly DESCRIPTION=(840 7320 7695 255) AMOUNT=(8640 7320 2175 255) TOTAL_DUE=(6120 11760 2175 255)
readonly TOTAL_ROW=(600 11760 10215 255)
readonly NOTE_LABEL=(600 12600 10215 255) CLOSING_LABEL=(600 14160 10215 375)
# A PDF page keeps a margin of a quarter of an inch, 18 points, around the page area.
readonly PDF_MARGIN_POINTS=18
# Text is allowed a pixel past its label: the part of a glyph's box below the last line that the
# label's bottom cuts off (the 12-point note in its 255 twips) and rounding.
readonly TOLERANCE=15

# The words of page PAGE of $out/NAME.pdf, one a line: "LEFT TOP RIGHT BOTTOM WORD", in twips of
# the page area, in the order pdftotext reads them.
#     page_words NAME PAGE
page_words() {
    pdftotext -bbox -f "$2" -l "$2" "$out/$1.pdf" - | awk -v margin=$PDF_MARGIN_POINTS '
        /<word / {
            split($0, part, "\"")
            word = part[9]
            sub(/^>/, "", word); sub(/<\/word>$/, "", word)
            gsub(/&amp;/, "\\&", word)
            printf "%.0f %.0f %.0f %.0f %s\n", (part[2] - margin) * 20, (part[4] - margin) * 20,
                (part[6] - margin) * 20, (part[8] - margin) * 20, word
        }'
}

# The words of page PAGE of $out/NAME.pdf whose middle lies between the heights TOP and
# TOP + HEIGHT, left to right, one a line as page_words gives them.
#     words_in_band NAME PAGE TOP HEIGHT
words_in_band() {
    page_words "$1" "$2" | awk -v top="$3" -v bottom=$(($3 + $4)) '($2 + $4) / 2 >= top && ($2 + $4) / 2 <= bottom' |
        sort -n -k1,1
}

# Reads words as words_in_band gives them and prints what is wrong with them as the text of the
# label LEFT TOP WIDTH HEIGHT: a word outside the rectangle, or words that read neither as TEXT and
# KEPT whole nor as a beginning of TEXT ended by an ellipsis and KEPT (a cut text). Prints nothing
# when all is well.
#     misplaced_words LEFT TOP WIDTH HEIGHT TEXT [KEPT]
misplaced_words() {
    awk -v left="$1" -v top="$2" -v right=$(($1 + $3)) -v bottom=$(($2 + $4)) -v text="$5" -v kept="${6:-}" \
        -v slack=$TOLERANCE '
        {
            if ($1 < left - slack || $3 > right + slack || $2 < top - slack || $4 > bottom + slack)
                printf "\"%s\" stands at %s..%s x %s..%s, outside %s..%s x %s..%s; ", \
                    $5, $1, $3, $2, $4, left, right, top, bottom
            read = read (NR > 1 ? " " : "") $5
        }
        END {
            if (read == "") { print "nothing printed"; exit }
            if (read == text kept) exit
            shown = read
            if (kept != "" && substr(shown, length(shown) - length(kept) + 1) != kept) {
                printf "it reads \"%s\", without \"%s\" at its end\n", read, kept
                exit
            }
            shown = substr(shown, 1, length(shown) - length(kept))
            if (!sub(/…$/, "", shown) || index(text, shown) != 1) printf "it reads \"%s\"\n", read
        }'
}

# The words of an item row whose middle lies left, or right, of the divider.
left_of_divider() { awk -v divider=$DIVIDER '$1 + $3 < 2 * divider'; }
right_of_divider() { awk -v divider=$DIVIDER '$1 + $3 >= 2 * divider'; }

# The words between the heights of item row ROW (from 0) of page PAGE of NAME.pdf.
#     row_words NAME PAGE ROW
row_words() { words_in_band "$1" "$2" $((DESCRIPTION[1] + $3 * ROW_STEP)) "${DESCRIPTION[3]}"; }

# The words of a band read as one text, left to right.
read_words() { awk '{ read = read (NR > 1 ? " " : "") $5 } END { print read }'; }

# Fails unless page 1 of NAME.pdf shows the item row, the total's caption, the note and the closing
# line as they belong.
#     expect_long_texts_inside NAME
# shellcheck disable=SC2016 # the dollar sign in the amount is its own
expect_long_texts_inside() {
    local name=$1 problems words
    words=$(row_words "$name" 1 0)
    problems=$(left_of_divider <<<"$words" | misplaced_words "${DESCRIPTION[@]}" "$PRODUCT" ' (x3)')
    [ -z "$problems" ] || fail "$name.pdf, the item's description: $problems"
    problems=$(right_of_divider <<<"$words" | misplaced_words "${AMOUNT[@]}" '$3,703.68')
    [ -z "$problems" ] || fail "$name.pdf, the item's amount: $problems"
    problems=$(words_in_band "$name" 1 "${NOTE_LABEL[1]}" "${NOTE_LABEL[3]}" |
        misplaced_words "${NOTE_LABEL[@]}" "NOTE: $NOTE")
    [ -z "$problems" ] || fail "$name.pdf, the note: $problems"
    problems=$(words_in_band "$name" 1 "${CLOSING_LABEL[1]}" "${CLOSING_LABEL[3]}" |
        misplaced_words "${CLOSING_LABEL[@]}" "$CLOSING")
    [ -z "$problems" ] || fail "$name.pdf, the closing line: $problems"

    # The amount stands centred in its column, the total's caption against its label's right edge.
    local amount_left amount_right off_centre caption_right
    read -r amount_left _ amount_right _ < <(right_of_divider <<<"$words")
    off_centre=$((amount_left + amount_right - 2 * AMOUNT[0] - AMOUNT[2]))
    ((off_centre <= 2 * TOLERANCE && -off_centre <= 2 * TOLERANCE)) ||
        fail "$name.pdf: the amount stands at $amount_left..$amount_right, not in the middle of its column"
    caption_right=$(words_in_band "$name" 1 "${TOTAL_DUE[1]}" "${TOTAL_DUE[3]}" | awk '$5 == "DUE:" { print $3 }')
    if [ -z "$caption_right" ] || ((caption_right - TOTAL_DUE[0] - TOTAL_DUE[2] > TOLERANCE ||
        TOTAL_DUE[0] + TOTAL_DUE[2] - caption_right > TOLERANCE)); then
        fail "$name.pdf: \"TOTAL DUE:\" does not end at its label's right edge (${caption_right:-not found})"
    fi
}

# Fails unless every page of NAME.pdf shows the title whole, between the item table's edges and
# clear of every other word.
#     expect_title_clear NAME
expect_title_clear() {
    local name=$1 page pages problems
    pages=$(pdfinfo "$out/$name.pdf" | awk '/^Pages:/ { print $2 }')
    for ((page = 1; page <= pages; page++)); do
        problems=$(page_words "$name" "$page" | awk -v title="$TITLE" -v left=$CONTENT_LEFT \
            -v right=$CONTENT_RIGHT -v slack=$TOLERANCE '
            { l[NR] = $1; t[NR] = $2; r[NR] = $3; b[NR] = $4; w[NR] = $5 }
            END {
                n = split(title, part, " ")
                for (i = 1; i + n - 1 <= NR && !first; i++) {
                    found = 1
                    for (k = 1; k <= n; k++) found = found && w[i + k - 1] == part[k] && t[i + k - 1] == t[i]
                    if (found) first = i
                }
                if (!first) { print "the title is not printed whole"; exit }
                for (i = first; i < first + n; i++) {
                    if (l[i] < left - slack || r[i] > right + slack)
                        printf "\"%s\" stands at %s..%s, outside %s..%s; ", w[i], l[i], r[i], left, right
                    for (j = 1; j <= NR; j++) {
                        if (j >= first && j < first + n) continue
                        if (l[j] < r[i] && l[i] < r[j] && t[j] < b[i] && t[i] < b[j])
                            printf "\"%s\" covers \"%s\"; ", w[i], w[j]
                    }
                }
            }')
        [ -z "$problems" ] || fail "$name.pdf, page $page: $problems"
    done
}

# Fails unless pages 2 to 4 of NAME.pdf hold the thirty services twelve to a page, each with its
# price, the first two pages saying that the invoice continues and the last carrying the total.
#     expect_services_on_three_pages NAME
expect_services_on_three_pages() {
    local name=$1 page row service expected read
    for page in 2 3 4; do
        for ((row = 0; row < ROWS; row++)); do
            service=$(((page - 2) * ROWS + row + 1))
            expected=""
            ((service > SERVICES)) || expected=$(printf 'Service %02d %s' "$service" "$(service_price "$service")")
            read=$(row_words "$name" "$page" "$row" | read_words)
            [ "$read" = "$expected" ] || fail "$name.pdf, page $page, row $row reads \"$read\", not \"$expected\""
        done
        read=$(words_in_band "$name" "$page" "${TOTAL_ROW[1]}" "${TOTAL_ROW[3]}" | read_words)
        expected="Continued on next page"
        ((page < 4)) || expected="TOTAL DUE: $SERVICES_TOTAL"
        [ "$read" = "$expected" ] || fail "$name.pdf, page $page: the total's row reads \"$read\", not \"$expected\""
    done
}

# Prints the invoices of the checked customers on the chosen layout into $out/NAME.pdf: one page for
# Ada Lovelace and three for Konrad Zuse.
print_invoices() {
    show_page $PRINTING
    click_left_button
    wait_until 60 "the PDF file of $1" pdf_complete 4
    mv "$pdf_file" "$out/$1.pdf"
    pdftoppm -r 60 -png "$out/$1.pdf" "$out/$1"
}

# --- The run -------------------------------------------------------------------------------------
start_x_server
launch_program
settle 1
# The Print Options page's preview frame stands at Left Half + 240, its ">" button at 1920, 4440 in
# it. The Printing page's tree stands at 120, 1320, W - 225 x H - 2145.
measure_pages

# The last bill period is shown at the start: its tree reads 0 the period, 1 the customer, 2 her
# item. A right click on the selected customer asks for the note to print on her invoice.
show_page $PRINTING
tree_left=$((PAGE_LEFT + 120))
tree_width=$((page_width - 225))
measure_rows tree "$main" "$tree_left" 1320 "$tree_width" $((page_height - 2145))
click_row tree "$main" "$tree_left" "$tree_width" 1
xdotool click 3
wait_window "Add a Note to Customer Bill"
note_window=$window
type_text "$note_window" "$NOTE"
screenshot invoice-note
keys "$note_window" Return
wait_window_gone "$note_window"
settle
screenshot note-added

for layout in 0 1 2; do
    if ((layout > 0)); then
        show_page $PRINT_OPTIONS
        click_control "$main" $((PAGE_LEFT + half + 240 + 1920)) $((600 + 4440)) 735 615
        settle
        screenshot "layout-$layout-chosen"
    fi
    print_invoices "invoice-layout-$layout"
    expect_long_texts_inside "invoice-layout-$layout"
    expect_title_clear "invoice-layout-$layout"
    expect_services_on_three_pages "invoice-layout-$layout"
done
echo "Long texts print inside their labels and long invoices on pages of their own, on every layout;" \
    "the pages are in $out"
