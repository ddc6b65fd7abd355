#include "HelpFile.h"

#include "platform/Host.h"

#include <QDir>
#include <QFileInfo>

namespace tav::app {

void openHelpFile()
{
    const QString path = QDir(platform::host().programFolder()).filePath(QStringLiteral("TAV.HLP"));
    if (QFileInfo(path).isFile())
        platform::host().openWithDefaultApplication(path);
}

} // namespace tav::app
