#include "WindowCases.h"

#include "app/MainWindow.h"
#include "components/Dialogs.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/ListView.h"
#include "platform/PrintJob.h"
#include "platform/SettingsStore.h"
#include "platform/TreeView.h"
#include "records/RecordFormats.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace tav::bench {

namespace {

// A host without a screen: nothing the measured steps do asks the user anything.
class QuietHost final : public platform::Host {
public:
    explicit QuietHost(QString folder)
        : folder_(std::move(folder))
    {
    }
    platform::MessageAnswer messageBox(const QString&, platform::MessageButtons, platform::MessageIcon,
                                       const QString&) override
    {
        return platform::MessageAnswer::Ok;
    }
    QString inputBox(const QString&, const QString&, const QString&, std::optional<QPointF>) override { return {}; }
    int popupMenu(const QStringList&) override { return -1; }
    void runModal(platform::Form& form) override { form.unload(); }
    void sendKey(int) override {}
    bool previousInstanceRunning() override { return false; }
    QString programFolder() const override { return folder_; }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    QLocale locale() const override { return QLocale(QLocale::English, QLocale::UnitedStates); }
    std::optional<QByteArray> download(const QUrl&, std::chrono::milliseconds, qint64) override
    {
        return std::nullopt;
    }
    bool openWithDefaultApplication(const QString&) override { return false; }
    bool startDetached(const QString&, const QString&) override { return false; }
    std::unique_ptr<platform::PrintJob> openPrintJob(const platform::PrintJobSetup&) override { return nullptr; }

private:
    QString folder_;
};

// The main window on the loaded database, as start-up leaves it; the database goes back to the
// context when the case is done.
class Window {
public:
    explicit Window(BenchContext& context)
        : context_(context)
        , host_(scratch_.path())
        , settings_(scratch_.filePath(QStringLiteral("TAV.ini")))
    {
        platform::installHost(&host_);
        platform::installSettings(&settings_);
        settings_.setValue(QStringLiteral("Settings"), QStringLiteral("CheckToConfirmEdits"), QStringLiteral("False"));
        settings_.setValue(QStringLiteral("FileHandling"), QStringLiteral("DatabasePath"),
                           scratch_.filePath(QStringLiteral("TAV.xml")));
        components::createDialogs();
        window_ = new app::MainWindow;
        window_->db = std::move(context.database);
        window_->state.formats = app::probeLocaleFormats(host_.locale());
        window_->lists.refreshViews();
    }
    ~Window()
    {
        context_.database = std::move(window_->db);
        window_->session.setSaveCancelVisible(false);
        window_->unload();
        components::releaseDialogs();
        platform::installHost(nullptr);
        platform::installSettings(nullptr);
    }
    app::MainWindow& operator*() { return *window_; }
    app::MainWindow* operator->() { return window_; }

private:
    BenchContext& context_;
    QTemporaryDir scratch_;
    QuietHost host_;
    platform::SettingsStore settings_;
    app::MainWindow* window_ = nullptr;
};

// Deleting a customer whom no record names walks every invoice record to the end.
class DeleteCustomerCase final : public BenchCase {
public:
    const char* name() const override { return "delete-customer"; }

    bool run(BenchContext& context) override
    {
        Window window(context);
        const QString key = records::numberedKey(records::highestKeyNumber(window->db.customers) + 1);
        records::CustomerRecord customer;
        customer.values[0] = QStringLiteral("Unbilled");
        window->db.customers.add(key, customer.text());
        window->lists.fillCustomerBrowseList();
        auto* list = window->c.lvwCustomersVis;
        list->select(list->positionOf(key));
        const double seconds = secondsFor([&] { window->deletion.deleteCustomer(); });
        if (window->db.customers.contains(key)) {
            std::fprintf(stderr, "the customer was not deleted\n");
            return false;
        }
        context.report("delete-customer", seconds, "s");
        return true;
    }
};

// A new period for every current customer: the new-period tree, then one product billed to all.
class ComposePeriodCase final : public BenchCase {
public:
    const char* name() const override { return "compose-period"; }

    bool run(BenchContext& context) override
    {
        Window window(context);
        auto* products = window->c.lvwProducts[1];
        const double seconds = secondsFor([&] {
            window->billPeriods.setBillPeriodEntryMode(true);
            products->select(1);
            window->newPeriod.billSelectedProduct();
        });
        const int nodes = window->c.tvwInvoiceRecords[0]->nodeCount();
        window->billPeriods.setBillPeriodEntryMode(false);
        context.report("compose-period", seconds, "s");
        context.report("compose-period-nodes", nodes, "");
        return nodes > 1;
    }
};

// Both trees of a period, one node per customer and item: the Bill Periods tree and the Printing
// tree, each built on its own as choosing the period builds them.
class InvoiceTreesCase final : public BenchCase {
public:
    const char* name() const override { return "invoice-trees"; }

    bool run(BenchContext& context) override
    {
        Window window(context);
        auto& c = window->c;
        if (c.cmbBillPeriod[1]->listCount() < 2)
            return false;
        c.cmbBillPeriod[1]->setListIndex(0);
        const double billPeriods = secondsFor([&] { window->trees.buildInvoiceTree(0); });
        const double printing = secondsFor([&] { window->trees.buildInvoiceTree(1); });
        context.report("bill-periods-tree", billPeriods, "s");
        context.report("printing-tree", printing, "s");
        context.report("tree-nodes", c.tvwInvoiceRecords[1]->nodeCount(), "");
        return c.tvwInvoiceRecords[0]->nodeCount() > 1;
    }
};

} // namespace

std::vector<std::unique_ptr<BenchCase>> windowCases()
{
    std::vector<std::unique_ptr<BenchCase>> cases;
    cases.push_back(loadCase());
    cases.push_back(std::make_unique<InvoiceTreesCase>());
    cases.push_back(std::make_unique<ComposePeriodCase>());
    cases.push_back(std::make_unique<DeleteCustomerCase>());
    return cases;
}

} // namespace tav::bench
