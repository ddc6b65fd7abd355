#pragma once

#include "platform/PageModel.h"
#include "records/RecordTable.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tav::printing {

// The choices of one customer-list print.
struct CustomerListOptions {
    QString pageTitle;
    // 1 to 4.
    int columns = 3;
    // Empty lines after each customer, 0 to 4.
    int blankLines = 1;
    bool address = true;
    bool email = true;
    bool phone = true;
    bool notes = true;
    bool pageNumbers = true;
    QString fontName = QStringLiteral("Arial");
    // "Regular ", "Bold ", "Italic " or "Bold Italic " followed by the size in points.
    QString fontStyleSize = QStringLiteral("Regular 8");
};

// The counts as the options window holds them in text: the leading number, rounded; a column
// count outside 1..4 gives 3, a blank-line count outside 0..4 gives 1.
int columnCountFromText(const QString& text);
int blankLineCountFromText(const QString& text);

// The list's font from the chosen face and style text; a style without a size keeps 8.25 points.
platform::PageFont customerListFont(const QString& face, const QString& styleSize);

// One customer's block: the display name, then the chosen fields that are not empty, one line
// each, then the blank lines. Nothing for a record that does not hold its nine fields.
QStringList customerEntry(const QString& recordText, const CustomerListOptions& options);

// The pages of the list: every current customer in the table's order, in columns that fill top to
// bottom and left to right, each line wrapped at the column's width; a customer that would pass a
// column's bottom starts the next column, and one taller than a whole column stands alone in it,
// cut at the column's bottom. There is always at least one page, with the title (and the page
// number when chosen), and nothing on it passes the printable area of Letter or A4 paper.
std::vector<platform::Page> customerListPages(
    const records::RecordTable& customers, const CustomerListOptions& options);

} // namespace tav::printing
