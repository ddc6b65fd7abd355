#include "VersionCheck.h"

#include "UpdateWindow.h"
#include "VersionNumbers.h"

#include "platform/Host.h"
#include "platform/Label.h"

namespace tav::app {

using namespace tav::platform;

namespace {

// The build settings TAV_VERSION_FILE_URL and TAV_SUPPORT_EMAIL.
const QString kVersionFileUrl = QStringLiteral(TAV_VERSION_FILE_URL);
const QString kSupportEmail = QStringLiteral(TAV_SUPPORT_EMAIL);

// The window waits for the version file, but not for long, and takes no more of it than a version
// file could hold with room to spare: more is not a version file.
constexpr std::chrono::seconds kDownloadTimeLimit{10};
constexpr qint64 kDownloadSizeLimit = 64 * 1024;

void tell(const QString& text)
{
    host().messageBox(text, MessageButtons::Ok, MessageIcon::None, host().appTitle());
}

} // namespace

VersionCheck::VersionCheck(platform::Form& mainWindow, platform::Label* link)
    : mainWindow_(mainWindow)
    , versionFileUrl_(kVersionFileUrl)
{
    connect(link, &Label::clicked, this, [this] { lblCheckForNewVersion_Click(); });
}

void VersionCheck::lblCheckForNewVersion_Click()
{
    // A file with nothing in it is as good as no answer: it names no version to compare.
    const std::optional<QByteArray> versionFile
        = host().download(versionFileUrl_, kDownloadTimeLimit, kDownloadSizeLimit);
    const std::optional<qint64> latest = versionFile ? versionFileNumber(*versionFile) : std::nullopt;
    if (!latest) {
        tell(QStringLiteral("Unable to connect to server.  Please try again later\r\n")
             + QStringLiteral("or contact %1 if the problem persists.").arg(kSupportEmail));
        return;
    }
    if (*latest > getAppVersionNumber(host().appVersion()))
        offerNewVersion();
    else
        tell(QStringLiteral("You are currently running the latest version of the software."));
}

void VersionCheck::offerNewVersion()
{
    if (!updateWindow())
        update_ = new UpdateWindow(mainWindow_);
    update_->setOwner(mainWindow_);
    update_->show();
}

UpdateWindow* VersionCheck::updateWindow() const
{
    return update_ && !update_->unloaded() ? update_.data() : nullptr;
}

bool VersionCheck::updateWindowShowing() const
{
    return updateWindow() && update_->showing();
}

void VersionCheck::unloadUpdateWindow()
{
    if (UpdateWindow* window = updateWindow())
        window->unload();
}

} // namespace tav::app
