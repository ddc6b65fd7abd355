#include "DeveloperAccess.h"

#include "DeveloperView.h"

#include "app/books/Books.h"

#include "platform/Host.h"
#include "platform/PictureBox.h"
#include "platform/SettingsStore.h"

namespace tav::app {

DeveloperAccess::DeveloperAccess(const Books& books, platform::PictureBox* logo)
    : books_(books)
{
    connect(logo, &platform::PictureBox::clicked, this, [this] { picLogo_Click(); });
}

void DeveloperAccess::picLogo_Click()
{
    // Compared exactly: the word in other letter case does not open the view.
    if (platform::settings().value(QStringLiteral("BrowseRecall"), QStringLiteral("view")) != QLatin1String("plorvex"))
        return;
    // A view already open stays as it is.
    if (view())
        return;
    view_ = new DeveloperView(books_.data());
    view_->load();
}

DeveloperView* DeveloperAccess::view() const
{
    return view_ && !view_->unloaded() ? view_.data() : nullptr;
}

void DeveloperAccess::unloadView()
{
    if (DeveloperView* open = view())
        open->unload();
}

} // namespace tav::app
