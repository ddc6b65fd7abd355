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
    , frame_(WindowControls::create(widget(), controlSet_).frame)
    , layout_(*this, frame_, state_,
             {[this](int w, int h) { customersPage_.layout(w, h); }, [this](int w, int h) { productsPage_.layout(w, h); },
              [this](int w, int h) { billPeriodsPage_.layout(w, h); }, [this](int w, int h) { printingPage_.layout(w, h); },
              [this](int w, int h) { printOptionsPage_.layout(w, h); }, [this](int w, int h) { optionsPage_.layout(w, h); },
              [this](int w, int h) { companyInfoPage_.layout(w, h); }})
    , productsPage_(books_, controlSet_)
    , printOptionsPage_(books_, controlSet_)
    , printingPage_(controlSet_, books_, state_.formats, printOptionsPage_, [this] { return billPeriodsPage_.treeIsEmpty(); })
    , billPeriodsPage_(controlSet_, books_, state_.formats, [this] { return !customersPage_.listsNoCustomer(); },
                      [this] { return QPointF(left(), top()); })
    , deletion_(books_, [this](qint64 productNumber) { return billPeriodsPage_.newPeriod().billsProduct(productNumber); })
    , optionsPage_(books_, controlSet_)
    , companyInfoPage_(books_, controlSet_)
    , versionCheck_(*this, optionsPage_.controls().lblCheckForNewVersion)
    , developerAccess_(books_, frame_.picLogo)
    , customersPage_(controlSet_, *frame_.fraMain[0], books_, deletion_, widget())
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
        frame_.fraMain[i]->setLeft(kPageLeft);
        frame_.fraMain[i]->setTop(0);
    }
    platform::settings().setValue(QStringLiteral("BrowseRecall"), QStringLiteral("view"), QStringLiteral("plorvex"));
    state_.isLoading = true;
    state_.formats = probeLocaleFormats(host().locale());
    books_.loadAndShowDatabase();

    setWidth(kStartWidth);
    setHeight(kStartHeight);
    components::restoreFormPosition(*this);

    optionsPage_.showVersionNumber();

    // A remembered page that is not one of the seven opens the first page.
    const int remembered = records::roundHalfEvenToInt(
        records::leadingNumber(components::getSettingWithDefault(QStringLiteral("LastClicked"), QStringLiteral("0"))));
    state_.currentTab = remembered >= 0 && remembered < 7 ? remembered : 0;
    layout_.cmdTab_Click(state_.currentTab);
    state_.isLoading = false;
    show();
    customersPage_.focusListedCustomers();
}

void MainWindow::onResize()
{
    layout_.formResize();
}

void MainWindow::onUnload(bool& cancel)
{
    components::saveSettingValue(QStringLiteral("LastClicked"), QString::number(state_.currentTab));
    if (versionCheck_.updateWindowShowing()) {
        cancel = true;
        return;
    }
    if (hasUnsavedChanges()) {
        const MessageAnswer answer = host().messageBox(
            QStringLiteral("Your database has changed.\r\n\r\nDo you want to save the changes?"),
            MessageButtons::YesNoCancel, MessageIcon::Exclamation, host().appTitle());
        // A save that fails keeps the program running with the changes still unsaved.
        if (answer == MessageAnswer::Cancel || (answer == MessageAnswer::Yes && !books_.saveDatabase())) {
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
    developerAccess_.unloadView();
    versionCheck_.unloadUpdateWindow();
    deletion_.unloadCheckingWindow();
}

} // namespace tav::app
