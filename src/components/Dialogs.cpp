#include "Dialogs.h"

#include <QtGlobal>

#include <memory>

namespace tav::components {

namespace {
std::unique_ptr<Dialogs> gDialogs;
}

Dialogs& dialogs()
{
    Q_ASSERT(gDialogs);
    return *gDialogs;
}

void createDialogs()
{
    gDialogs = std::make_unique<Dialogs>();
}

void releaseDialogs()
{
    gDialogs.reset();
}

bool dialogsExist()
{
    return gDialogs != nullptr;
}

} // namespace tav::components
