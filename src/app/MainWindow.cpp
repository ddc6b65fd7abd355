#include "MainWindow.h"

#include "components/Dialogs.h"
#include "components/FormPlacement.h"
#include "components/SettingsAccess.h"
#include "platform/Frame.h"
#include "platform/Host.h"
#include "platform/ListView.h"
#include "platform/SettingsStore.h"
#include "records/TextNumbers.h"

namespace tav::app {

using namespace tav::platform;

namespace {

constexpr double kStartWidth = 10110;
constexpr double kStartHeight = 6765;
constexpr double kPageLeft = 1560;

} // namespace

MainWindow::MainWindow()
    : Form(QStringLiteral("frmTAV"), BorderStyle::Sizable)
    , c(WindowControls::create(widget(), controlSet))
    , layout(*this, c.frame, state,
             {[this](int w, int h) { customersPage_.layout(w, h); }, [this](int w, int h) { products.layout(w, h); },
              [this](int w, int h) { billPeriodsPage.layout(w, h); }, [this](int w, int h) { printingPage.layout(w, h); },
              [this](int w, int h) { printOptions.layout(w, h); }, [this](int w, int h) { options.layout(w, h); },
              [this](int w, int h) { companyInfo.layout(w, h); }})
    , products(books, controlSet)
    , printOptions(books, controlSet)
    , printingPage(controlSet, books, state.formats, printOptions, [this] { return billPeriodsPage.treeIsEmpty(); })
    , billPeriodsPage(controlSet, books, state.formats, [this] { return !customersPage_.listsNoCustomer(); },
                      [this] { return QPointF(left(), top()); })
    , deletion(books, [this](qint64 productNumber) { return billPeriodsPage.newPeriod().billsProduct(productNumber); })
    , options(books, controlSet)
    , companyInfo(books, controlSet)
    , versionCheck(*this, options.controls().lblCheckForNewVersion)
    , developerAccess(books, c.frame.picLogo)
    , customersPage_(controlSet, *c.frame.fraMain[0], books, deletion, widget())
{
    setCaption(host().appTitle());
    setMinimumSize(PageLayout::kMinimumWidth, PageLayout::kMinimumHeight);
    connectHandlers();
    connectBooks();
    connectBillPeriodPages();
    connectCustomerPage();
    connectProductAndOptionPages();
}

MainWindow::~MainWindow() = default;

void MainWindow::load()
{
    for (int i = 1; i < 7; ++i) {
        c.frame.fraMain[i]->setLeft(kPageLeft);
        c.frame.fraMain[i]->setTop(0);
    }
    platform::settings().setValue(QStringLiteral("BrowseRecall"), QStringLiteral("view"), QStringLiteral("plorvex"));
    state.isLoading = true;
    state.formats = probeLocaleFormats(host().locale());
    books.loadAndShowDatabase();

    setWidth(kStartWidth);
    setHeight(kStartHeight);
    components::restoreFormPosition(*this);

    options.showVersionNumber();

    // A remembered page that is not one of the seven opens the first page.
    const int remembered = records::roundHalfEvenToInt(
        records::leadingNumber(components::getSettingWithDefault(QStringLiteral("LastClicked"), QStringLiteral("0"))));
    state.currentTab = remembered >= 0 && remembered < 7 ? remembered : 0;
    layout.cmdTab_Click(state.currentTab);
    state.isLoading = false;
    show();
    customersPage_.focusListedCustomers();
}

void MainWindow::onResize()
{
    layout.formResize();
}

void MainWindow::onUnload(bool& cancel)
{
    components::saveSettingValue(QStringLiteral("LastClicked"), QString::number(state.currentTab));
    if (versionCheck.updateWindowShowing()) {
        cancel = true;
        return;
    }
    if (hasUnsavedChanges()) {
        const MessageAnswer answer = host().messageBox(
            QStringLiteral("Your database has changed.\r\n\r\nDo you want to save the changes?"),
            MessageButtons::YesNoCancel, MessageIcon::Exclamation, host().appTitle());
        // A save that fails keeps the program running with the changes still unsaved.
        if (answer == MessageAnswer::Cancel || (answer == MessageAnswer::Yes && !books.saveDatabase())) {
            cancel = true;
            return;
        }
    }
    customersPage_.rememberSelectedCustomer();
    components::saveFormPosition(*this);
    unloadSecondaryWindows();
    components::releaseDialogs();
}

void MainWindow::unloadSecondaryWindows()
{
    developerAccess.unloadView();
    versionCheck.unloadUpdateWindow();
    deletion.unloadCheckingWindow();
}

} // namespace tav::app
