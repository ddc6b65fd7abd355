#include "UpdateWindow.h"

#include "components/FormPlacement.h"
#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/Label.h"

#include <QDir>

namespace tav::app {

using namespace tav::platform;

namespace {

const ControlSpec kDesign[] = {
    {.kind = ControlKind::Label, .name = "Label2", .caption = "New Version Found.", .left = 615, .top = 240,
     .width = 2985, .height = 210, .align = TextAlign::Center},
    {.kind = ControlKind::Label, .name = "lblStatus", .caption = "PLEASE SAVE YOUR WORK.", .left = 615, .top = 660,
     .width = 2985, .height = 210, .align = TextAlign::Center},
    {.kind = ControlKind::Label, .name = "Label1",
     .caption = "Clicking Download will close this program and begin the Quobilla Auto-Update.", .left = 135,
     .top = 1080, .width = 3945, .height = 450, .wordWrap = true},
    {.kind = ControlKind::CommandButton, .name = "cmdDownload", .caption = "DOWNLOAD", .left = 1080, .top = 1680,
     .width = 2055, .height = 495},
};

// The controls' design leaves this margin to the right and below.
constexpr double kClientWidth = 4215;
constexpr double kClientHeight = 2415;

const QString kUpdater = QStringLiteral("t-autoup.exe");

} // namespace

UpdateWindow::UpdateWindow(Form& mainWindow)
    : Form(QStringLiteral("frmUpdate"), BorderStyle::FixedSingle)
{
    setCaption(QStringLiteral("   Click DOWNLOAD to begin Auto-Update."));
    setClientSize(kClientWidth, kClientHeight);
    controlSet.build(widget(), kDesign);
    controlSet.applyTabOrder();
    Label2 = controlSet.get<Label>("Label2");
    lblStatus = controlSet.get<Label>("lblStatus");
    Label1 = controlSet.get<Label>("Label1");
    cmdDownload = controlSet.get<CommandButton>("cmdDownload");
    connect(cmdDownload, &CommandButton::clicked, this, &UpdateWindow::cmdDownload_Click);
    // By the time this signal comes the window is closed, so it is gone from the screen before
    // the main window's shutdown asks anything.
    connect(this, &Form::becameUnloaded, &mainWindow, [this, &mainWindow] {
        if (closeMainOnUnload_)
            mainWindow.unload();
    });
    components::restoreFormPosition(*this);
}

void UpdateWindow::cmdDownload_Click()
{
    components::saveFormPosition(*this);
    const QString folder = host().programFolder();
    const QString updater = QDir(folder).filePath(kUpdater);
    if (!host().startDetached(updater, folder)) {
        // Without a running updater, closing the program would only lose the user's place.
        host().messageBox(QStringLiteral("Unable to start the updater %1.").arg(QDir::toNativeSeparators(updater)),
                          MessageButtons::Ok, MessageIcon::None, host().appTitle());
        return;
    }
    closeMainOnUnload_ = true;
    unload();
}

} // namespace tav::app
