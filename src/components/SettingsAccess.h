#pragma once

#include <QString>

namespace tav::components {

// Section "Settings" of the settings store, as the main window reads and writes it.

// The value of a key, lower-cased unless mode is exactly "KeepCaps". A missing or empty value is
// replaced by the default, which is written back.
QString getSettingWithDefault(const QString& key, const QString& defaultValue, const QString& mode = QString());
void saveSettingValue(const QString& key, const QString& value);

// Yes/no values are written "True" or "False" and read by comparing the lower-cased value.
QString yesNoText(bool value);

} // namespace tav::components
