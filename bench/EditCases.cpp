#include "WindowCases.h"

#include "BenchWindow.h"
#include "ProcessFigures.h"

#include "platform/CommandButton.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"

#include <QApplication>
#include <QKeyEvent>

#include <cstdio>

namespace tav::bench {

namespace {

void typeKey(platform::TextBox& box, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(box.widget(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(box.widget(), &release);
}

// A letter typed into the customer search that no customer's name starts with, so that the search
// passes every customer of the list.
class SearchKeystrokeCase final : public BenchCase {
public:
    const char* name() const override { return "search-keystroke"; }

    bool run(BenchContext& context) override
    {
        BenchWindow window(context.database, BenchWindow::CustomersPage);
        const auto& c = window->customersPage().controls();
        c.cmdSearch->click();
        BenchWindow::settle();
        const double seconds = secondsFor([&] {
            typeKey(*c.txtSearch, Qt::Key_Q, QStringLiteral("q"));
            BenchWindow::settle();
        });
        if (c.txtSearch->text() != QLatin1String("q")) {
            std::fprintf(stderr, "search-keystroke: the letter did not reach the search box\n");
            return false;
        }
        context.report("search-keystroke", seconds, "s");
        return true;
    }
};

// "&Add New" for a new customer whose name has been typed, which stores the customer and shows
// the list with it in its place.
class AddCustomerCase final : public BenchCase {
public:
    const char* name() const override { return "add-customer"; }

    bool run(BenchContext& context) override
    {
        const qsizetype before = context.database.customers.count();
        BenchWindow window(context.database, BenchWindow::CustomersPage);
        const auto& c = window->customersPage().controls();
        c.cmdAddNew->click();
        c.txtField[0]->setText(QStringLiteral("Zoe"));
        c.txtField[1]->setText(QStringLiteral("Miller"));
        BenchWindow::settle();
        const double seconds = secondsFor([&] {
            c.cmdAddNew->click();
            BenchWindow::settle();
        });
        if (window->books().data().customers.count() != before + 1) {
            std::fprintf(stderr, "add-customer: the customer was not added\n");
            return false;
        }
        context.report("add-customer", seconds, "s");
        return true;
    }
};

// A new period billing one product to every current customer, finalised with "&Add New": a
// period record and an invoice record for each customer added to the tables.
class FinalisePeriodCase final : public BenchCase {
public:
    const char* name() const override { return "finalise-period"; }

    bool run(BenchContext& context) override
    {
        const qsizetype before = context.database.invoiceRecords.count();
        BenchWindow window(context.database, BenchWindow::BillPeriodsPage);
        window->billPeriodsPage().controls().cmdAddNewBP->click();
        window->billPeriodsPage().controls().lvwProducts[1]->select(1);
        window->billPeriodsPage().newPeriod().billSelectedProduct();
        window->billPeriodsPage().controls().txtBillPeriod->setText(QStringLiteral("Bench Period"));
        window->billPeriodsPage().controls().txtPField[3]->setText(QStringLiteral("12/31/2030"));
        BenchWindow::settle();
        const double seconds = secondsFor([&] {
            window->billPeriodsPage().controls().cmdAddNewBP->click();
            BenchWindow::settle();
        });
        const qsizetype added = window->books().data().invoiceRecords.count() - before;
        if (added <= 0) {
            std::fprintf(stderr, "finalise-period: no period was finalised\n");
            return false;
        }
        context.report("finalise-period", seconds, "s");
        context.report("finalise-period-records", static_cast<double>(added), "");
        return true;
    }
};

} // namespace

void addEditCases(std::vector<std::unique_ptr<BenchCase>>& cases)
{
    cases.push_back(std::make_unique<SearchKeystrokeCase>());
    cases.push_back(std::make_unique<AddCustomerCase>());
}

std::unique_ptr<BenchCase> finalisePeriodCase()
{
    return std::make_unique<FinalisePeriodCase>();
}

} // namespace tav::bench
