#!/usr/bin/env bash
# Acceptance test of long texts on printed invoices: the real program on a private X server,
# started on a database whose product name (105 characters) and invoice closing are too long for
# their labels, given an invoice note of 100 characters by a right click on the customer, prints
# the invoice on each of the three layouts (to PDF files). On every page each long text must stand
# inside its label's rectangle, read as its beginning up to a whole word, and leave the amount
# column to the amount. Positions are read from the PDF with pdftotext -bbox.
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
cp "$here/long-texts-TAV.xml" "$database"

# The long texts: the product's name and the closing line as long-texts-TAV.xml holds them.
readonly PRODUCT='Weekly lawn mowing, edging, trimming of hedges and shrubs, leaf blowing, and removal of all '\
'garden wastes'
readonly NOTE='Your account is past due; please pay the balance shown within the fourteen days to avoid a late fee.'
readonly CLOSING='Thank you for your business - we look forward to serving you again next season and for many '\
'years to come!'

# --- Where the texts belong, in twips of the page area (the same on every layout) ----------------
# Item row 0: its description (lblPS(0)) left of the divider at 8640, its amount (lblAm(0), centred)
# right of it; the total's caption (lblTotalDue, right-aligned); the note and the closing line.
readonly DIVIDER=8640
readonly DESCRIPTION=(840 7320 7695 255) AMOUNT=(8640 7320 2175 255) TOTAL_DUE=(6120 11760 2175 255)
readonly NOTE_LABEL=(600 12600 10215 255) CLOSING_LABEL=(600 14160 10215 375)
# A PDF page keeps a margin of a quarter of an inch, 18 points, around the page area.
readonly PDF_MARGIN_POINTS=18
# Text is allowed a pixel past its label: the part of a glyph's box below the last line that the
# label's bottom cuts off (the 12-point note in its 255 twips) and rounding.
readonly TOLERANCE=15

# The words of page 1 of $out/NAME.pdf whose middle lies between the heights TOP and TOP + HEIGHT,
# left to right, one a line: "LEFT TOP RIGHT BOTTOM WORD", in twips of the page area.
#     words_in_band NAME TOP HEIGHT
words_in_band() {
    pdftotext -bbox -f 1 -l 1 "$out/$1.pdf" - | awk -v top="$2" -v bottom=$(($2 + $3)) -v margin=$PDF_MARGIN_POINTS '
        /<word / {
            split($0, part, "\"")
            word = part[9]
            sub(/^>/, "", word); sub(/<\/word>$/, "", word)
            for (i = 2; i <= 8; i += 2) at[i] = (part[i] - margin) * 20
            middle = (at[4] + at[8]) / 2
            if (middle >= top && middle <= bottom) printf "%.0f %.0f %.0f %.0f %s\n", at[2], at[4], at[6], at[8], word
        }' | sort -n -k1,1
}

# Reads words as words_in_band gives them and prints what is wrong with them as the text of the
# label LEFT TOP WIDTH HEIGHT: a word outside the rectangle, or words that do not read as the
# beginning of TEXT ended after a whole word. Prints nothing when all is well.
#     misplaced_words LEFT TOP WIDTH HEIGHT TEXT
misplaced_words() {
    awk -v left="$1" -v top="$2" -v right=$(($1 + $3)) -v bottom=$(($2 + $4)) -v text="$5" -v slack=$TOLERANCE '
        {
            if ($1 < left - slack || $3 > right + slack || $2 < top - slack || $4 > bottom + slack)
                printf "\"%s\" stands at %s..%s x %s..%s, outside %s..%s x %s..%s; ", \
                    $5, $1, $3, $2, $4, left, right, top, bottom
            read = read (NR > 1 ? " " : "") $5
        }
        END {
            if (read == "") print "nothing printed"
            else if (read != text && index(text, read " ") != 1) printf "it reads \"%s\"\n", read
        }'
}

# The words of an item row whose middle lies left, or right, of the divider.
left_of_divider() { awk -v divider=$DIVIDER '$1 + $3 < 2 * divider'; }
right_of_divider() { awk -v divider=$DIVIDER '$1 + $3 >= 2 * divider'; }

# Fails unless page 1 of NAME.pdf shows the item row, the total's caption, the note and the closing
# line as they belong.
#     expect_long_texts_inside NAME
# shellcheck disable=SC2016 # the dollar sign in the amount is its own
expect_long_texts_inside() {
    local name=$1 problems words
    words=$(words_in_band "$name" "${DESCRIPTION[1]}" "${DESCRIPTION[3]}")
    problems=$(left_of_divider <<<"$words" | misplaced_words "${DESCRIPTION[@]}" "$PRODUCT")
    [ -z "$problems" ] || fail "$name.pdf, the item's description: $problems"
    problems=$(right_of_divider <<<"$words" | misplaced_words "${AMOUNT[@]}" '$1,234.56')
    [ -z "$problems" ] || fail "$name.pdf, the item's amount: $problems"
    problems=$(words_in_band "$name" "${NOTE_LABEL[1]}" "${NOTE_LABEL[3]}" |
        misplaced_words "${NOTE_LABEL[@]}" "NOTE: $NOTE")
    [ -z "$problems" ] || fail "$name.pdf, the note: $problems"
    problems=$(words_in_band "$name" "${CLOSING_LABEL[1]}" "${CLOSING_LABEL[3]}" |
        misplaced_words "${CLOSING_LABEL[@]}" "$CLOSING")
    [ -z "$problems" ] || fail "$name.pdf, the closing line: $problems"

    # The amount stands centred in its column, the total's caption against its label's right edge.
    local amount_left amount_right off_centre caption_right
    read -r amount_left _ amount_right _ < <(right_of_divider <<<"$words")
    off_centre=$((amount_left + amount_right - 2 * AMOUNT[0] - AMOUNT[2]))
    ((off_centre <= 2 * TOLERANCE && -off_centre <= 2 * TOLERANCE)) ||
        fail "$name.pdf: the amount stands at $amount_left..$amount_right, not in the middle of its column"
    caption_right=$(words_in_band "$name" "${TOTAL_DUE[1]}" "${TOTAL_DUE[3]}" | awk '$5 == "DUE:" { print $3 }')
    if [ -z "$caption_right" ] || ((caption_right - TOTAL_DUE[0] - TOTAL_DUE[2] > TOLERANCE ||
        TOTAL_DUE[0] + TOTAL_DUE[2] - caption_right > TOLERANCE)); then
        fail "$name.pdf: \"TOTAL DUE:\" does not end at its label's right edge (${caption_right:-not found})"
    fi
}

# Prints the invoice of the checked customer on the chosen layout into $out/NAME.pdf.
print_invoice() {
    show_page $PRINTING
    click_left_button
    wait_until 60 "the PDF file of $1" pdf_complete 1
    mv "$pdf_file" "$out/$1.pdf"
    pdftoppm -r 60 -png -singlefile "$out/$1.pdf" "$out/$1"
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
    print_invoice "invoice-layout-$layout"
    expect_long_texts_inside "invoice-layout-$layout"
done
echo "Long texts print inside their labels on every layout; the pages are in $out"
