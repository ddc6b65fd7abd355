#include "DatabasePath.h"

#include "platform/Host.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace tav::app {

namespace {
const QString kSection = QStringLiteral("FileHandling");
const QString kKey = QStringLiteral("DatabasePath");
const QString kFileName = QStringLiteral("TAV.xml");

QString fallbackDatabasePath()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QLatin1String("/.local/share");
    return data + QLatin1String("/TAV/") + kFileName;
}

// Makes the folder and those of its parents that are missing, each readable by its owner only.
void makeOwnerOnlyFolder(const QString& folder)
{
    if (QFileInfo(folder).isDir())
        return;
    const QString parent = QFileInfo(folder).path();
    if (parent != folder)
        makeOwnerOnlyFolder(parent);
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
}
} // namespace

QString defaultDatabasePath()
{
    const QString programFolder = platform::host().programFolder();
    if (QFileInfo(programFolder).isWritable())
        return QDir(programFolder).filePath(kFileName);
    return fallbackDatabasePath();
}

void prepareDatabaseFolder(const QString& path)
{
    if (path == fallbackDatabasePath())
        makeOwnerOnlyFolder(QFileInfo(path).path());
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
