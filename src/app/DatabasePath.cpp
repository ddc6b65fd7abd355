#include "DatabasePath.h"

#include "platform/Host.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace tav::app {

namespace {
const QString kSection = QStringLiteral("FileHandling");
const QString kKey = QStringLiteral("DatabasePath");
const QString kFileName = QStringLiteral("TAV.xml");
} // namespace

QString defaultDatabasePath()
{
    const QString programFolder = platform::host().programFolder();
    if (QFileInfo(programFolder).isWritable())
        return QDir(programFolder).filePath(kFileName);
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QLatin1String("/.local/share");
    return data + QLatin1String("/TAV/") + kFileName;
}

QString databasePath()
{
    const QString stored = platform::settings().value(kSection, kKey);
    return stored.isEmpty() ? defaultDatabasePath() : stored;
}

void setDatabasePath(const QString& path)
{
    platform::settings().setValue(kSection, kKey, path);
}

} // namespace tav::app
