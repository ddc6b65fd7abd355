#include "DialogIniFile.h"

#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tav::components {

namespace {

const QString kSection = QStringLiteral("DIALOGS");
const QString kInitialDir = QStringLiteral("InitialDir");
const QString kLastOpenDir = QStringLiteral("LastOpenDir");
const QString kLastOpenFilter = QStringLiteral("LastOpenFilter");
const QString kLastOpenFile = QStringLiteral("LastOpenFile");
const QString kLastSaveDir = QStringLiteral("LastSaveDir");
const QString kLastSaveFilter = QStringLiteral("LastSaveFilter");
const QString kLastSaveFile = QStringLiteral("LastSaveFile");

QString textOrDefault(const platform::SettingsStore& ini, const QString& key, const QString& fallback)
{
    const QString value = ini.value(kSection, key);
    return value.isEmpty() ? fallback : value;
}

// The whole number the value starts with, as the INI format's number read takes it ("3 " and
// "3x" read as 3); a value that starts with none, or with one too large, gives the default.
int numberOrDefault(const platform::SettingsStore& ini, const QString& key, int fallback)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = leadingNumber.match(ini.value(kSection, key));
    bool ok = false;
    const int number = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
    return ok ? number : fallback;
}

QString storableText(const QString& text)
{
    const bool breaksTheLine = text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))
        || text.contains(QChar(u'\0'));
    return breaksTheLine ? QString() : text;
}

} // namespace

QString dialogIniFilePath()
{
    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return configFolder + QLatin1Char('/') + programName + QLatin1String(".ini");
}

RememberedDialogs readRememberedDialogs(const QString& iniPath, const QString& programFolder)
{
    const platform::SettingsStore ini(iniPath);
    RememberedDialogs remembered;
    remembered.initialDir = textOrDefault(ini, kInitialDir, programFolder);
    remembered.lastOpenFolder = textOrDefault(ini, kLastOpenDir, programFolder);
    remembered.lastOpenFilter = numberOrDefault(ini, kLastOpenFilter, 1);
    remembered.lastOpenFile = ini.value(kSection, kLastOpenFile);
    remembered.lastSaveFolder = textOrDefault(ini, kLastSaveDir, programFolder);
    remembered.lastSaveFilter = numberOrDefault(ini, kLastSaveFilter, 1);
    remembered.lastSaveFile = ini.value(kSection, kLastSaveFile);
    return remembered;
}

void writeRememberedDialogs(const QString& iniPath, const RememberedDialogs& remembered)
{
    platform::SettingsStore ini(iniPath);
    ini.setValue(kSection, kInitialDir, storableText(remembered.initialDir));
    ini.setValue(kSection, kLastOpenDir, storableText(remembered.lastOpenFolder));
    ini.setValue(kSection, kLastOpenFilter, QString::number(remembered.lastOpenFilter));
    ini.setValue(kSection, kLastOpenFile, storableText(remembered.lastOpenFile));
    ini.setValue(kSection, kLastSaveDir, storableText(remembered.lastSaveFolder));
    ini.setValue(kSection, kLastSaveFilter, QString::number(remembered.lastSaveFilter));
    ini.setValue(kSection, kLastSaveFile, storableText(remembered.lastSaveFile));
}

} // namespace tav::components
