#include "CheckingWindow.h"

#include "components/FormPlacement.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/ProgressBar.h"

namespace tav::app {

using namespace tav::platform;

CheckingWindow::CheckingWindow()
    : Form(QStringLiteral("frmChecking"), BorderStyle::FixedSingle)
{
    setClientSize(4800, 1560);
    lblStatus = new Label(widget(), QStringLiteral("lblStatus"));
    lblStatus->move(120, 120, 4560, 480);
    lblStatus->setWordWrap(true);
    lblStatus->setAlignment(Label::Alignment::Center);
    lblStatus->setCaption(QStringLiteral("Checking bill periods to see if deleted entry needs archiving . . ."));
    staChecking = new ProgressBar(widget(), QStringLiteral("staChecking"));
    staChecking->move(120, 660, 4560, 255);
    cmdOK = new CommandButton(widget(), QStringLiteral("cmdOK"));
    cmdOK->move(1860, 1020, 1080, 375);
    cmdOK->setCaption(QStringLiteral("OK"));
    cmdOK->setEnabled(false);
    connect(cmdOK, &CommandButton::clicked, this, [this] { unload(); });
    components::restoreFormPosition(*this);
}

void CheckingWindow::onUnload(bool&)
{
    components::saveFormPosition(*this);
}

} // namespace tav::app
