#include "DeveloperView.h"

#include "app/books/DatabasePath.h"

#include "components/FormPlacement.h"
#include "platform/BusyCursor.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Host.h"
#include "platform/ListingBox.h"
#include "platform/OptionButton.h"
#include "platform/TextBox.h"
#include "records/Database.h"

#include <QFileInfo>

namespace tav::app {

using namespace tav::platform;

namespace {

const ControlSpec kDesign[] = {
    {.kind = ControlKind::Frame, .name = "Frame1", .caption = "Hidden LVWs", .left = 120, .top = 0, .width = 3255,
     .height = 495, .tabIndex = 0},
    {.kind = ControlKind::OptionButton, .name = "optLVWChoice", .index = 0, .caption = "Cus", .left = 120, .top = 240,
     .width = 735, .height = 195, .container = "Frame1", .tabIndex = 0, .checked = true},
    {.kind = ControlKind::OptionButton, .name = "optLVWChoice", .index = 1, .caption = "Per", .left = 840, .top = 240,
     .width = 735, .height = 195, .container = "Frame1", .tabIndex = 1},
    {.kind = ControlKind::OptionButton, .name = "optLVWChoice", .index = 2, .caption = "P&&S", .left = 1560,
     .top = 240, .width = 735, .height = 195, .container = "Frame1", .tabIndex = 2},
    {.kind = ControlKind::OptionButton, .name = "optLVWChoice", .index = 3, .caption = "InRec", .left = 2400,
     .top = 240, .width = 735, .height = 195, .container = "Frame1", .tabIndex = 3},
    {.kind = ControlKind::CommandButton, .name = "cmdShowXML", .caption = "Show XML", .left = 3480, .top = 120,
     .width = 1095, .height = 375, .tabIndex = 1},
    {.kind = ControlKind::TextBox, .name = "Text2", .left = 120, .top = 600, .width = 4455, .height = 285,
     .tabIndex = 2, .backColor = SystemColor::InfoBackground},
    {.kind = ControlKind::ListingBox, .name = "Text1",
     .caption = "Check One of the Four Hidden LVWs to See Its Contents\r\n", .left = 120, .top = 960, .width = 4455,
     .height = 2055, .tabIndex = 3},
};

// The smallest outer size, and the room around the listing.
constexpr double kMinWidth = 4815;
constexpr double kMinHeight = 3645;
constexpr double kListingWidthMargin = 360;
constexpr double kListingHeightMargin = 1230;

// An entry's line of the listing: its text, then its key.
template <class Table>
QString entryLine(const Table& table, qsizetype position)
{
    return table.textAt(position) + QLatin1String(" ...key=") + table.keyAt(position);
}

// Every entry of a table as it is now, a line each.
std::unique_ptr<ListingLines> entryLines(const records::RecordTable& table)
{
    QString text;
    for (qsizetype position = 1; position <= table.count(); ++position)
        text += entryLine(table, position) + QLatin1String("\r\n");
    return std::make_unique<TextLines>(std::move(text));
}

// The invoice records as they are now, each line made as it comes into view: a million of them
// list at once, in the memory of one copy of their compact table.
class InvoiceRecordLines final : public ListingLines {
public:
    explicit InvoiceRecordLines(const records::InvoiceRecordTable& records)
        : records_(records)
    {
    }

    qsizetype count() const override { return records_.count(); }
    QString line(qsizetype index) const override { return entryLine(records_, index + 1); }

private:
    const records::InvoiceRecordTable records_;
};

// The legend names the fields of an entry's text, " | " standing for the field separator, and
// then the form of its key.
struct Listing {
    std::unique_ptr<ListingLines> (*entries)(const records::Database&);
    const char* legend;
};

const Listing kListings[] = {
    {[](const records::Database& db) { return entryLines(db.customers); },
     "Last, First | First | Last | Add1 | Add2 | Add3 | Email | Phone | Notes ...key=1k"},
    {[](const records::Database& db) { return entryLines(db.periods); },
     "PStart(Chrono) | BPName | PEnd(Chrono) | BillDue(Chrono) ...key=BPName | "},
    {[](const records::Database& db) { return entryLines(db.products); },
     "Price(9dot2)$5.00 - Midget Widget ...key=5k"},
    {[](const records::Database& db) -> std::unique_ptr<ListingLines> {
         return std::make_unique<InvoiceRecordLines>(db.invoiceRecords);
     },
     "BPName | Customer Name | CID | BAL | BPID ...key=BPName | CID | "},
};

} // namespace

DeveloperView::DeveloperView(const records::Database& db)
    : Form(QStringLiteral("frmListLVWs"), BorderStyle::Sizable)
    , db_(db)
{
    setCaption(QStringLiteral("Developer View - List LVWs"));
    controlSet.build(widget(), kDesign);
    controlSet.applyTabOrder();
    Frame1 = controlSet.get<Frame>("Frame1");
    for (int i = 0; i < 4; ++i) {
        optLVWChoice[i] = controlSet.get<OptionButton>("optLVWChoice", i);
        connect(optLVWChoice[i], &OptionButton::clicked, this, [this, i] { optLVWChoice_Click(i); });
    }
    cmdShowXML = controlSet.get<CommandButton>("cmdShowXML");
    connect(cmdShowXML, &CommandButton::clicked, this, &DeveloperView::cmdShowXML_Click);
    Text2 = controlSet.get<TextBox>("Text2");
    Text1 = controlSet.get<ListingBox>("Text1");
    setMinimumSize(kMinWidth, kMinHeight);
    setWidth(kMinWidth);
    setHeight(kMinHeight);
}

void DeveloperView::load()
{
    components::restoreFormPosition(*this);
    optLVWChoice_Click(0);
    show();
}

void DeveloperView::optLVWChoice_Click(int index)
{
    const BusyCursor busy;
    Text1->setText(QString());
    if (index < 0 || index >= static_cast<int>(std::size(kListings)))
        return;
    const Listing& listing = kListings[index];
    Text2->setText(QLatin1String(listing.legend));
    Text1->setLines(listing.entries(db_));
}

void DeveloperView::cmdShowXML_Click()
{
    const QString path = databasePath();
    if (QFileInfo(path).isFile())
        host().openWithDefaultApplication(path);
}

void DeveloperView::onResize()
{
    if (width() < kMinWidth)
        setWidth(kMinWidth);
    if (height() < kMinHeight)
        setHeight(kMinHeight);
    Text1->setWidth(width() - kListingWidthMargin);
    Text1->setHeight(height() - kListingHeightMargin);
    Text2->setWidth(Text1->width());
}

void DeveloperView::onUnload(bool&)
{
    components::saveFormPosition(*this);
}

} // namespace tav::app
