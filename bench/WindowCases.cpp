#include "WindowCases.h"

#include "BenchWindow.h"
#include "ProcessFigures.h"
#include "SyntheticDatabase.h"

#include "components/HoverCommand.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/ListView.h"
#include "platform/TreeView.h"
#include "records/RecordFormats.h"

#include <cstdio>
#include <optional>

namespace tav::bench {

namespace {

using platform::TreeView;

const QString& kRootKey = app::NewBillPeriod::kRootKey;

bool isCustomerKey(const QString& key)
{
    return key.endsWith(QLatin1Char('k'));
}

// Choosing the oldest period on the Bill Periods page, which shows it in both trees, and then
// going to the Printing page, where its tree is filled.
class ChoosePeriodCase final : public BenchCase {
public:
    const char* name() const override { return "choose-period"; }

    bool run(BenchContext& context) override
    {
        BenchWindow window(context.database, BenchWindow::BillPeriodsPage);
        const auto& frame = window->frameControls();
        if (window->billPeriodsPage().controls().cmbBillPeriod[1]->listCount() < 2) {
            std::fprintf(stderr, "choose-period: fewer than two periods\n");
            return false;
        }
        const double seconds = secondsFor([&] {
            window->billPeriodsPage().controls().cmbBillPeriod[1]->setListIndex(0);
            BenchWindow::settle();
        });
        // The Printing page's tree of that period is filled as the user goes there.
        const double printingPage = secondsFor([&] {
            emit frame.cmdTab[BenchWindow::PrintingPage]->clicked();
            BenchWindow::settle();
        });
        const QString period = window->billPeriodsPage().controls().cmbBillPeriod[1]->itemText(0);
        if (window->billPeriodsPage().controls().tvwInvoiceRecords[0]->text(kRootKey) != period || window->printingPage().controls().tvwInvoiceRecords[1]->text(kRootKey) != period) {
            std::fprintf(stderr, "choose-period: the trees do not show the period chosen\n");
            return false;
        }
        context.report("choose-period", seconds, "s");
        context.report("printing-page", printingPage, "s");
        context.report(
            "choose-period-nodes", window->billPeriodsPage().controls().tvwInvoiceRecords[0]->nodeCount() + window->printingPage().controls().tvwInvoiceRecords[1]->nodeCount(), "");
        return true;
    }
};

// A full payment logged for a customer who owes, in the newest period on the Bill Periods page.
class LogPaymentCase final : public BenchCase {
public:
    const char* name() const override { return "log-payment"; }

    bool run(BenchContext& context) override
    {
        BenchWindow window(context.database, BenchWindow::BillPeriodsPage);
        TreeView* tree = window->billPeriodsPage().controls().tvwInvoiceRecords[0];
        QString owing;
        for (int i = 1; i <= tree->nodeCount() && owing.isEmpty(); ++i) {
            const QString key = tree->keyAt(i);
            if (isCustomerKey(key) && tree->foreColor(key) != platform::SystemColor::WindowText)
                owing = key;
        }
        if (owing.isEmpty()) {
            std::fprintf(stderr, "log-payment: nobody owes in the newest period\n");
            return false;
        }
        tree->select(owing);
        const double seconds = secondsFor([&] {
            window->billPeriodsPage().controls().cmdResetCustomerAccounts->click();
            BenchWindow::settle();
        });
        if (!tree->text(owing).endsWith(QLatin1String(" - paid"))) {
            std::fprintf(stderr, "log-payment: the payment was not logged\n");
            return false;
        }
        context.report("log-payment", seconds, "s");
        return true;
    }
};

// Deleting a customer whom no record names, which walks every invoice record to the end.
class DeleteCustomerCase final : public BenchCase {
public:
    const char* name() const override { return "delete-customer"; }

    bool run(BenchContext& context) override
    {
        const QString key = records::numberedKey(records::highestKeyNumber(context.database.customers) + 1);
        records::CustomerRecord customer;
        customer.values[0] = QStringLiteral("Unbilled");
        context.database.customers.add(key, customer.text());
        BenchWindow window(context.database, BenchWindow::CustomersPage);
        auto* list = window->customersPage().controls().lvwCustomersVis;
        list->select(list->positionOf(key));
        const double seconds = secondsFor([&] {
            window->customersPage().deleteCustomer();
            BenchWindow::settle();
        });
        if (window->books().data().customers.contains(key)) {
            std::fprintf(stderr, "delete-customer: the customer was not deleted\n");
            return false;
        }
        context.report("delete-customer", seconds, "s");
        return true;
    }
};

// What billing one product to every customer and resetting those bills took.
struct BillingTimes {
    double entering = 0;
    double billing = 0;
    double resetting = 0;
    int customers = 0;
};

// A new period for every current customer (the new-period tree), one product billed to all of them
// by a double click, and every bill reset, on a database of just the customers and products of the
// loaded one, or of a multiple of its customers. The billing and the reset are done as many times
// as asked, and their times added up.
std::optional<BillingTimes> billAndReset(const BenchContext& context, int customersTimes, int times)
{
    SyntheticSize size;
    size.customers = static_cast<int>(context.database.customers.count()) * customersTimes;
    size.products = static_cast<int>(context.database.products.count());
    size.periods = 0;
    size.invoiceRecords = 0;
    records::Database database = syntheticDatabase(size);
    BenchWindow window(database, BenchWindow::BillPeriodsPage);
    TreeView* tree = window->billPeriodsPage().controls().tvwInvoiceRecords[0];
    BillingTimes taken;
    taken.entering = secondsFor([&] {
        window->billPeriodsPage().setBillPeriodEntryMode(true);
        BenchWindow::settle();
    });
    taken.customers = tree->nodeCount() - 1;
    window->billPeriodsPage().controls().lvwProducts[1]->select(1);
    for (int i = 0; i < times; ++i) {
        taken.billing += secondsFor([&] {
            window->billPeriodsPage().newPeriod().billSelectedProduct();
            BenchWindow::settle();
        });
        const int items = tree->nodeCount() - 1 - taken.customers;
        // "Reset Customer Accounts" drops every item just billed and keeps the customers.
        taken.resetting += secondsFor([&] {
            window->billPeriodsPage().controls().cmdResetCustomerAccounts->click();
            BenchWindow::settle();
        });
        const int afterReset = tree->nodeCount() - 1;
        if (taken.customers < 1 || items != taken.customers || afterReset != taken.customers) {
            std::fprintf(stderr, "bill-product: %d items billed to %d customers, %d nodes after the reset\n", items,
                taken.customers, afterReset);
            return std::nullopt;
        }
    }
    window->billPeriodsPage().setBillPeriodEntryMode(false);
    return taken;
}

// Billing one product to every customer and resetting it, once, at the loaded database's number
// of customers.
class BillProductCase final : public BenchCase {
public:
    const char* name() const override { return "bill-product"; }

    bool run(BenchContext& context) override
    {
        const std::optional<BillingTimes> taken = billAndReset(context, 1, 1);
        if (!taken)
            return false;
        context.report("new-period", taken->entering, "s");
        context.report("bill-product", taken->billing, "s");
        context.report("reset-accounts", taken->resetting, "s");
        context.report("bill-product-customers", taken->customers, "");
        return true;
    }
};

// The same many times, at the database's number of customers and at twice it: work large enough to
// measure, at sizes whose trees the processor's caches hold alike. The two sizes take turns, so
// that whatever else the machine does meanwhile slows both alike.
class BillProductGrowthCase final : public BenchCase {
public:
    const char* name() const override { return "bill-product-growth"; }

    bool run(BenchContext& context) override
    {
        constexpr int kTurns = 5;
        constexpr int kTimesEachTurn = 4;
        BillingTimes once;
        BillingTimes twice;
        for (int turn = 0; turn < kTurns; ++turn) {
            for (const auto& [customersTimes, sum] : {std::pair{1, &once}, std::pair{2, &twice}}) {
                const std::optional<BillingTimes> taken = billAndReset(context, customersTimes, kTimesEachTurn);
                if (!taken)
                    return false;
                sum->billing += taken->billing;
                sum->resetting += taken->resetting;
                sum->customers = taken->customers;
            }
        }
        context.report("bill-product-again", once.billing, "s");
        context.report("reset-accounts-again", once.resetting, "s");
        context.report("bill-product-customers-again", once.customers, "");
        context.report("bill-product-again-2x", twice.billing, "s");
        context.report("reset-accounts-again-2x", twice.resetting, "s");
        context.report("bill-product-customers-again-2x", twice.customers, "");
        return true;
    }
};

} // namespace

std::vector<std::unique_ptr<BenchCase>> windowCases()
{
    std::vector<std::unique_ptr<BenchCase>> cases;
    cases.push_back(loadCase());
    // Those that only read the database first.
    cases.push_back(std::make_unique<ChoosePeriodCase>());
    addEditCases(cases);
    cases.push_back(developerViewCase());
    addPrintCases(cases);
    cases.push_back(std::make_unique<BillProductCase>());
    cases.push_back(std::make_unique<LogPaymentCase>());
    cases.push_back(std::make_unique<DeleteCustomerCase>());
    cases.push_back(finalisePeriodCase());
    return cases;
}

std::vector<std::unique_ptr<BenchCase>> growthCases()
{
    std::vector<std::unique_ptr<BenchCase>> cases;
    cases.push_back(loadCase());
    cases.push_back(std::make_unique<BillProductGrowthCase>());
    return cases;
}

} // namespace tav::bench
