#include "EnvelopePrinting.h"

#include "PrintingPageRun.h"

#include "app/books/Books.h"

#include "platform/Host.h"
#include "platform/SettingsStore.h"
#include "printing/Envelope.h"
#include "printing/PrintRun.h"

namespace tav::app {

using namespace tav::platform;

namespace {

const QString kSection = QStringLiteral("Printing");
const QString kLeftMargin = QStringLiteral("X-Margin");
const QString kTopMargin = QStringLiteral("Y-Margin");

} // namespace

EnvelopePrinting::EnvelopePrinting(const Books& books, PrintingControls& controls)
    : books_(books)
    , c_(controls)
{
}

void EnvelopePrinting::print()
{
    SettingsStore& store = platform::settings();
    // Only the left margin is tested: a top margin missing beside it reads as 0.
    if (store.value(kSection, kLeftMargin).isEmpty()) {
        store.setValue(kSection, kLeftMargin, QStringLiteral("2"));
        store.setValue(kSection, kTopMargin, QStringLiteral("12"));
    }
    PrintingPageRun run(c_);
    const int left = printing::marginCentimetres(store.value(kSection, kLeftMargin));
    const int top = printing::marginCentimetres(store.value(kSection, kTopMargin));
    const auto& company = books_.data().company.texts;
    const std::array<QString, 4> returnAddress{company[0], company[1], company[2], company[3]};
    printing::PrintRun job({QStringLiteral("TAV Envelopes"), PrintJobSetup::Orientation::Landscape});
    for (qsizetype i = 0; i < run.customers().size(); ++i) {
        run.advance(i + 1);
        const QString* text = books_.data().customers.find(run.customers()[i]);
        const auto customer = text ? records::CustomerRecord::fromText(*text) : std::nullopt;
        if (customer && !job.print(printing::envelopePage(returnAddress, *customer, left, top)))
            break;
    }
    job.finish();
}

} // namespace tav::app
