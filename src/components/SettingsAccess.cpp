#include "SettingsAccess.h"

#include "platform/Host.h"
#include "platform/SettingsStore.h"

namespace tav::components {

namespace {
const QString kSection = QStringLiteral("Settings");
const QString kKeepCaps = QStringLiteral("KeepCaps");
} // namespace

QString getSettingWithDefault(const QString& key, const QString& defaultValue, const QString& mode)
{
    const bool keepCaps = mode == kKeepCaps;
    QString value = platform::settings().value(kSection, key);
    if (!keepCaps)
        value = value.toLower();
    if (value.isEmpty()) {
        platform::settings().setValue(kSection, key, defaultValue);
        value = keepCaps ? defaultValue : defaultValue.toLower();
    }
    return value;
}

void saveSettingValue(const QString& key, const QString& value)
{
    platform::settings().setValue(kSection, key, value);
}

QString yesNoText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace tav::components
