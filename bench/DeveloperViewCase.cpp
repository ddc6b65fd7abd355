#include "WindowCases.h"

#include "BenchWindow.h"
#include "ProcessFigures.h"
#include "SyntheticDatabase.h"

#include "app/windows/DeveloperView.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/ListingBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

#include <cstdio>
#include <malloc.h>

namespace tav::bench {

namespace {

constexpr int kPeriods = 1;
constexpr int kInvoiceRecords = 3;

// The user's click on the logo: the view opens on the customers' listing.
app::DeveloperView* openView(BenchWindow& window, double& seconds)
{
    window.settings().setValue(QStringLiteral("BrowseRecall"), QStringLiteral("view"), QStringLiteral("plorvex"));
    seconds = secondsFor([&] {
        emit window->frameControls().picLogo->clicked();
        BenchWindow::settle();
    });
    return window->developerAccess().view();
}

QAbstractButton* option(app::DeveloperView& view, int table)
{
    return static_cast<QAbstractButton*>(view.optLVWChoice[table]->widget());
}

// The user's click on a table's option button, to the listing shown.
double listTable(app::DeveloperView& view, int table)
{
    return secondsFor([&] {
        option(view, table)->click();
        BenchWindow::settle();
    });
}

// Many listings of a table, each from the periods' listing and with the memory of the listing
// before given back, as a listing on a fresh database would start: a listing that reused the
// pages of the one before would take less time, and only where it fits in what was freed.
double listTableAgain(app::DeveloperView& view, int table, int times)
{
    double seconds = 0;
    for (int i = 0; i < times; ++i) {
        option(view, kPeriods)->click();
        malloc_trim(0);
        seconds += listTable(view, table);
    }
    return seconds;
}

// A listing takes little time: linear growth shows in many of them.
constexpr int kListingsForGrowth = 20;

double keystroke(app::DeveloperView& view, int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
{
    QWidget* listing = view.Text1->widget();
    return secondsFor([&] {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(listing, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(listing, &release);
        BenchWindow::settle();
    });
}

// The developer view: opening it, listing the invoice records (time, and the memory the listing
// adds while it shows, against the file's size) and a key typed and pressed in that listing; then
// many listings of them and of a database with half the invoice records, to show whether listing
// grows linearly.
class DeveloperViewCase final : public BenchCase {
public:
    const char* name() const override { return "developer-view"; }

    bool run(BenchContext& context) override
    {
        const qsizetype records = context.database.invoiceRecords.count();
        {
            BenchWindow window(context.database, BenchWindow::CustomersPage);
            double opening = 0;
            app::DeveloperView* view = openView(window, opening);
            if (!view) {
                std::fprintf(stderr, "developer-view: the view did not open\n");
                return false;
            }
            const double before = residentMiB();
            resetPeakResident();
            const double listing = listTable(*view, kInvoiceRecords);
            const double added = peakResidentMiB() - before;
            const double typed = keystroke(*view, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            const double toEnd = keystroke(*view, Qt::Key_End, Qt::ControlModifier);
            context.report("developer-listings", listTableAgain(*view, kInvoiceRecords, kListingsForGrowth), "s");
            context.report("developer-view-open", opening, "s");
            context.report("developer-listing", listing, "s");
            context.report("developer-listing-memory", added, "MiB");
            context.report("developer-key-letter", typed, "s");
            context.report("developer-key-end", toEnd, "s");
            context.report("developer-listing-records", static_cast<double>(records), "");
            view->unload();
        }
        SyntheticSize half = SyntheticSize::scaled(1);
        half.customers = static_cast<int>(context.database.customers.count());
        half.products = static_cast<int>(context.database.products.count());
        half.periods = static_cast<int>(context.database.periods.count()) / 2;
        half.invoiceRecords = static_cast<int>(records / 2);
        records::Database smaller = syntheticDatabase(half);
        BenchWindow window(smaller, BenchWindow::CustomersPage);
        double opening = 0;
        app::DeveloperView* view = openView(window, opening);
        if (!view)
            return false;
        context.report("developer-listings-half", listTableAgain(*view, kInvoiceRecords, kListingsForGrowth), "s");
        view->unload();
        return true;
    }
};

} // namespace

std::unique_ptr<BenchCase> developerViewCase()
{
    return std::make_unique<DeveloperViewCase>();
}

} // namespace tav::bench
