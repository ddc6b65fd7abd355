#include "CustomerList.h"

#include "CustomerField.h"

#include "platform/LabelFitting.h"
#include "platform/LabelText.h"
#include "platform/TextMeasurer.h"
#include "records/RecordFormats.h"
#include "records/TextNumbers.h"

#include <QRectF>

#include <algorithm>
#include <array>
#include <cmath>

namespace tav::printing {

using platform::Page;
using platform::PageElement;
using platform::PageFont;

namespace {

constexpr double kPageWidth = 11520;
constexpr double kPageHeight = 14655;
constexpr double kColumnTop = 1560;
// A column whose text grows past this height is full.
constexpr double kColumnLimit = 12240;
// The right edge of the last column: inside the printable width of Letter and of A4 paper alike.
constexpr double kListRight = 11160;
// Room kept between a column's lines and the next column.
constexpr double kColumnGap = 120;
constexpr double kPageNumberLeft = 5520;
constexpr double kPageNumberBottom = 14640;
constexpr double kDesignPoints = 8.25;
constexpr int kMaxColumns = 4;

// Left edges of the columns for each column count; a column beyond the count keeps its design
// place and stays empty.
constexpr std::array<std::array<double, kMaxColumns>, kMaxColumns> kColumnLefts{{
    {600, 3240, 5880, 8520},
    {600, 5880, 5880, 8520},
    {600, 4120, 7640, 8520},
    {600, 3240, 5880, 8520},
}};

PageElement listLabel(int index, const QRectF& box, const QString& text, const PageFont& font)
{
    PageElement label;
    label.name = QStringLiteral("lblList");
    label.index = index;
    label.left = box.left();
    label.top = box.top();
    label.width = box.width();
    label.height = box.height();
    label.text = text;
    label.font = font;
    return label;
}

// The chosen font, made smaller only where a column would not hold one line of it above the page
// number: line heights grow in proportion to the size.
PageFont fittedListFont(PageFont font)
{
    const double most = (kPageNumberBottom - kColumnTop) / 2;
    const double lineHeight = platform::textMeasurer().lineHeight(font);
    if (lineHeight > most)
        font.points = std::floor(font.points * most / lineHeight * 4) / 4;
    return font;
}

// Collects the columns of the page being filled and turns each full page into a page model. Each
// entry's lines wrap at the column's width, the pitch between columns less a gap, and count as
// the lines they become; the columns end above the page number.
class ListPages {
public:
    ListPages(const CustomerListOptions& options, const PageFont& font)
        : options_(options)
        , font_(fittedListFont(font))
        , lineHeight_(platform::textMeasurer().lineHeight(font_))
        , columns_(static_cast<size_t>(options.columns))
        , lineCounts_(columns_.size())
    {
        Q_ASSERT(options.columns >= 1 && options.columns <= kMaxColumns);
        const auto& lefts = kColumnLefts[columns_.size() - 1];
        columnWidth_ = (columns_.size() == 1 ? kListRight + kColumnGap : lefts[1]) - lefts[0] - kColumnGap;
        const double bottom = options.pageNumbers ? pageNumberTop() : kPageHeight;
        columnHeight_ = std::min(kColumnLimit, bottom - kColumnTop);
    }

    void add(const QStringList& entry)
    {
        const int lines = platform::lineCount(entry.join(QLatin1Char('\n')), font_, columnWidth_);
        if (!fits(lineCounts_[current_] + lines) && lineCounts_[current_] > 0 && ++current_ == columns_.size())
            finishPage();
        // An entry taller than a whole column stands alone in it, cut at the column's bottom.
        columns_[current_] += entry;
        lineCounts_[current_] += lines;
    }

    std::vector<Page> finish()
    {
        finishPage();
        return std::move(pages_);
    }

private:
    double pageNumberTop() const { return kPageNumberBottom - lineHeight_; }

    bool fits(int lines) const { return lines * lineHeight_ <= columnHeight_; }

    void finishPage()
    {
        Page page(kPageWidth, kPageHeight);
        PageElement title;
        title.name = QStringLiteral("lblPageTitle");
        title.left = 540;
        title.top = 840;
        title.width = 10455;
        title.height = 495;
        title.text = options_.pageTitle;
        title.font = {QStringLiteral("Arial"), 18};
        title.align = PageElement::Align::Center;
        page.add(std::move(title));
        const auto& lefts = kColumnLefts[columns_.size() - 1];
        for (size_t k = 0; k < kMaxColumns; ++k) {
            const QString text = k < columns_.size() ? columns_[k].join(QLatin1Char('\n')) : QString();
            page.add(listLabel(static_cast<int>(k), {lefts[k], kColumnTop, columnWidth_, columnHeight_}, text, font_));
        }
        const QString number = options_.pageNumbers ? QStringLiteral("Page #%1").arg(pages_.size() + 1) : QString();
        const QRectF numberBox(kPageNumberLeft, pageNumberTop(), kListRight - kPageNumberLeft, lineHeight_);
        page.add(listLabel(kMaxColumns, numberBox, number, font_));
        pages_.push_back(std::move(page));
        for (QStringList& column : columns_)
            column.clear();
        std::fill(lineCounts_.begin(), lineCounts_.end(), 0);
        current_ = 0;
    }

    const CustomerListOptions& options_;
    PageFont font_;
    double lineHeight_;
    double columnWidth_ = 0;
    double columnHeight_ = 0;
    std::vector<QStringList> columns_;
    std::vector<int> lineCounts_;
    size_t current_ = 0;
    std::vector<Page> pages_;
};

} // namespace

int columnCountFromText(const QString& text)
{
    const int count = records::roundHalfEvenToInt(records::leadingNumber(text));
    return count >= 1 && count <= kMaxColumns ? count : 3;
}

int blankLineCountFromText(const QString& text)
{
    const int count = records::roundHalfEvenToInt(records::leadingNumber(text));
    return count >= 0 && count <= 4 ? count : 1;
}

PageFont customerListFont(const QString& face, const QString& styleSize)
{
    QString size = styleSize;
    for (const char* word : {"Bold ", "Italic ", "Regular "})
        size.remove(QLatin1String(word));
    const double points = records::leadingNumber(size);
    return {face, points == 0 ? kDesignPoints : points, styleSize.contains(QLatin1String("Bold ")),
            styleSize.contains(QLatin1String("Italic "))};
}

QStringList customerEntry(const QString& recordText, const CustomerListOptions& options)
{
    using Field = records::CustomerRecord::Field;
    const auto record = records::CustomerRecord::fromText(recordText);
    if (!record)
        return {};
    QStringList lines;
    lines += platform::typedLines(records::shownCustomerName(recordText).toString());
    const auto addIfSet = [&](bool chosen, Field field) {
        if (chosen && !customerField(*record, field).isEmpty())
            lines += platform::typedLines(customerField(*record, field));
    };
    for (Field field : {Field::Add1, Field::Add2, Field::Add3})
        addIfSet(options.address, field);
    addIfSet(options.email, Field::Email);
    addIfSet(options.phone, Field::Phone);
    addIfSet(options.notes, Field::Notes);
    for (int i = 0; i < options.blankLines; ++i)
        lines << QString();
    return lines;
}

std::vector<Page> customerListPages(const records::RecordTable& customers, const CustomerListOptions& options)
{
    ListPages pages(options, customerListFont(options.fontName, options.fontStyleSize));
    for (qsizetype i = 1; i <= customers.count(); ++i) {
        const QString& text = customers.textAt(i);
        const QStringList entry = customerEntry(text, options);
        if (!entry.isEmpty() && !records::isArchivedCustomerText(text))
            pages.add(entry);
    }
    return pages.finish();
}

} // namespace tav::printing
