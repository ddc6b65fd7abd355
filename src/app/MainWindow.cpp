#include "MainWindow.h"

#include "components/Dialogs.h"
#include "components/FormPlacement.h"
#include "components/SettingsAccess.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/SettingsStore.h"
#include "records/TextNumbers.h"

namespace tav::app {

using namespace tav::platform;

namespace {

constexpr double kStartWidth = 10110;
constexpr double kStartHeight = 6765;
constexpr double kPageLeft = 1560;

const std::array<const char*, MainWindow::kPageCount> kPageTitles = {
    "Customers", "Products && Services", "Bill Periods", "Printing", "Print Options", "Options", "Company Info"};
const std::array<const char*, MainWindow::kPageCount> kAcceleratorCaptions = {"&C", "&P", "&B", "&N", "&T", "&O", "&I"};

} // namespace

MainWindow::MainWindow()
    : Form(QStringLiteral("frmTAV"), BorderStyle::Sizable)
{
    setCaption(host().appTitle());
    createFrameControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::createFrameControls()
{
    QWidget* area = widget();
    for (int i = 0; i < kPageCount; ++i) {
        cmdTab[i] = new CommandButton(area, QStringLiteral("cmdTab"), i);
        cmdTab[i]->setCaption(QLatin1String(kPageTitles[i]));
        cmdTab[i]->move(15, 360 + 840 * i, 1545, 840);
        connect(cmdTab[i], &CommandButton::clicked, this, [this, i] { cmdTab_Click(i); });

        // Outside the window: only their access keys reach them.
        cmdAcceleratorKey[i] = new CommandButton(area, QStringLiteral("cmdAcceleratorKey"), i);
        cmdAcceleratorKey[i]->setCaption(QLatin1String(kAcceleratorCaptions[i]));
        cmdAcceleratorKey[i]->move(-2000, 6360 + 600 * i, 1215, 495);
        connect(cmdAcceleratorKey[i], &CommandButton::clicked, this, [this, i] { cmdTab_Click(i); });

        // The design keeps pages 1 to 6 outside the page area; the load step moves them in.
        fraMain[i] = new Frame(area, QStringLiteral("fraMain"), i);
        fraMain[i]->setBorder(false);
        fraMain[i]->move(i == 0 ? kPageLeft : 12000, 0, 8400, 6240);
        fraMain[i]->setVisible(false);
    }
    cmdSave = new CommandButton(area, QStringLiteral("cmdSave"));
    cmdSave->move(1680, 135, 390, 480);
    cmdSave->setVisible(false);
    connect(cmdSave, &CommandButton::clicked, this, [this] { saveDatabase(); });
    cmdCancel = new CommandButton(area, QStringLiteral("cmdCancel"));
    cmdCancel->move(2160, 135, 390, 480);
    cmdCancel->setVisible(false);
    lblVersionNumber = new Label(fraMain[5]->widget(), QStringLiteral("lblVersionNumber"));
    lblVersionNumber->move(4905, 480, 3255, 255);
}

void MainWindow::load()
{
    for (int i = 1; i < kPageCount; ++i) {
        fraMain[i]->setLeft(kPageLeft);
        fraMain[i]->setTop(0);
    }
    platform::settings().setValue(QStringLiteral("BrowseRecall"), QStringLiteral("view"), QStringLiteral("plorvex"));
    isLoading_ = true;
    formats_ = probeLocaleFormats(host().locale());
    loadAndShowDatabase();

    setWidth(kStartWidth);
    setHeight(kStartHeight);
    components::restoreFormPosition(*this);

    const AppVersion version = host().appVersion();
    lblVersionNumber->setCaption(QStringLiteral("%1.%2").arg(version.major).arg(version.minor));

    // A remembered page that is not one of the seven opens the first page.
    const int remembered = records::roundHalfEvenToInt(
        records::leadingNumber(components::getSettingWithDefault(QStringLiteral("LastClicked"), QStringLiteral("0"))));
    currentTab_ = remembered >= 0 && remembered < kPageCount ? remembered : 0;
    cmdTab_Click(currentTab_);
    isLoading_ = false;
    show();
}

void MainWindow::loadAndShowDatabase()
{
    // The database file, the visible lists and the option controls join here as they are built.
}

void MainWindow::cmdTab_Click(int index)
{
    fraMain[currentTab_]->setVisible(false);
    currentTab_ = index;
    fraMain[currentTab_]->setVisible(true);
}

void MainWindow::setSaveCancelVisible(bool visible)
{
    cmdCancel->setVisible(visible);
    cmdSave->setVisible(visible);
}

bool MainWindow::hasUnsavedChanges() const
{
    return cmdSave->visible();
}

bool MainWindow::saveDatabase()
{
    setSaveCancelVisible(false);
    return true;
}

void MainWindow::onUnload(bool& cancel)
{
    components::saveSettingValue(QStringLiteral("LastClicked"), QString::number(currentTab_));
    if (hasUnsavedChanges()) {
        const MessageAnswer answer = host().messageBox(
            QStringLiteral("Your database has changed.\r\n\r\nDo you want to save the changes?"),
            MessageButtons::YesNoCancel, MessageIcon::Exclamation, host().appTitle());
        // A save that fails keeps the program running with the changes still unsaved.
        if (answer == MessageAnswer::Cancel || (answer == MessageAnswer::Yes && !saveDatabase())) {
            cancel = true;
            return;
        }
    }
    rememberSelectedCustomer();
    components::saveFormPosition(*this);
    unloadSecondaryWindows();
    components::releaseDialogs();
}

void MainWindow::rememberSelectedCustomer()
{
    // Joins with the visible customer list.
}

void MainWindow::unloadSecondaryWindows()
{
    // Joins with the secondary windows as they are built.
}

} // namespace tav::app
