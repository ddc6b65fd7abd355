#include "HelpFile.h"

#include "platform/Host.h"

#include <QDir>
#include <QFileInfo>

namespace tav::app {

using namespace tav::platform;

void openHelpFile()
{
    const QString path = QDir(host().programFolder()).filePath(QStringLiteral("TAV.HLP"));
    QString problem;
    if (!QFileInfo(path).isFile())
        problem = QStringLiteral("The help file %1 was not found.");
    else if (!host().openWithDefaultApplication(path))
        problem = QStringLiteral("The help file %1 could not be opened.");
    if (!problem.isEmpty())
        host().messageBox(problem.arg(QDir::toNativeSeparators(path)), MessageButtons::Ok, MessageIcon::None,
                          host().appTitle());
}

} // namespace tav::app
