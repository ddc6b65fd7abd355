#include "Envelope.h"

#include "CustomerField.h"

#include "platform/TextMeasurer.h"
#include "records/TextNumbers.h"

#include <algorithm>

namespace tav::printing {

using platform::kTwipsPerCentimetre;
using platform::PageElement;
using platform::PageFont;

namespace {

constexpr double kRecipientIndentCm = 7;
constexpr double kRecipientDropCm = 2;
const PageFont kAddressFont{QStringLiteral("Arial"), 10};
const PageFont kNameFont{QStringLiteral("Arial"), 12};
// Where every line ends: the printable width of Letter paper in landscape, narrower than A4's. A
// longer line is cut there and shows that it was.
constexpr double kEnvelopeRight = 15120;

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
        const double height = platform::textMeasurer().lineHeight(font);
        PageElement line;
        line.name = QLatin1String(name);
        line.index = index;
        line.left = left;
        line.top = top_;
        line.width = std::max(0.0, kEnvelopeRight - left);
        line.height = height;
        line.text = text;
        line.font = font;
        page_.add(std::move(line));
        top_ += height;
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
