#include "Envelope.h"

#include "CustomerField.h"

#include "platform/TextMeasurer.h"
#include "records/TextNumbers.h"

namespace tav::printing {

using platform::kTwipsPerCentimetre;
using platform::PageElement;
using platform::PageFont;

namespace {

constexpr double kRecipientIndentCm = 7;
constexpr double kRecipientDropCm = 2;
const PageFont kAddressFont{QStringLiteral("Arial"), 10};
const PageFont kNameFont{QStringLiteral("Arial"), 12};

// Prints one line at (left, top) as the printer's current position would, and moves down by the
// font's line height.
class LineWriter {
public:
    explicit LineWriter(platform::Page& page)
        : page_(page)
    {
    }

    void print(const char* name, int index, double left, const QString& text, const PageFont& font)
    {
        PageElement line;
        line.name = QLatin1String(name);
        line.index = index;
        line.left = left;
        line.top = top_;
        line.text = text;
        line.font = font;
        line.autoSize = true;
        page_.add(std::move(line));
        top_ += platform::textMeasurer().lineHeight(font);
    }

    void moveDown(double twips) { top_ += twips; }
    void moveTo(double top) { top_ = top; }

private:
    platform::Page& page_;
    double top_ = 0;
};

} // namespace

int marginCentimetres(const QString& setting)
{
    return records::roundHalfEvenToInt(records::leadingNumber(setting));
}

platform::Page envelopePage(const std::array<QString, 4>& returnAddress, const records::CustomerRecord& recipient,
                            int leftCentimetres, int topCentimetres)
{
    using Field = records::CustomerRecord::Field;
    const auto field = [&](Field f) { return customerField(recipient, f); };
    const double left = leftCentimetres * kTwipsPerCentimetre;
    const double recipientLeft = left + kRecipientIndentCm * kTwipsPerCentimetre;

    platform::Page page;
    LineWriter writer(page);
    writer.moveTo(topCentimetres * kTwipsPerCentimetre);
    for (int k = 0; k < 4; ++k)
        writer.print("lblReturnAddress", k, left, returnAddress[static_cast<size_t>(k)], kAddressFont);
    writer.moveDown(kRecipientDropCm * kTwipsPerCentimetre);
    writer.print(
        "lblRecipient", 0, recipientLeft, field(Field::FName) + QLatin1Char(' ') + field(Field::LName), kNameFont);
    writer.print("lblRecipient", 1, recipientLeft, field(Field::Add1), kAddressFont);
    writer.print("lblRecipient", 2, recipientLeft, field(Field::Add2), kAddressFont);
    writer.print("lblRecipient", 3, recipientLeft, field(Field::Add3), kAddressFont);
    return page;
}

} // namespace tav::printing
