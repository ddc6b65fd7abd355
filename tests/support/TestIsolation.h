#pragma once

#include <QLocale>
#include <QString>

// What every test has of its own, for the tests of every layer (QtCore only; TestEnvironment.h adds
// the scripted host and dialogs of the layers above records).
namespace tav::test {

// Every test runs with its own temporary folders (settings, data, runtime, home and the program
// folder) and a fresh settings store; none of them touches the real home. This is its folder.
QString testFolder();
// Re-reads the settings file, as a restart of the program would.
void reloadSettings();

// Makes a locale the user's (QLocale::setDefault) while it lives; the tests otherwise run in
// American English.
class UserLocale {
public:
    explicit UserLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~UserLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    UserLocale(const UserLocale&) = delete;
    UserLocale& operator=(const UserLocale&) = delete;
};

} // namespace tav::test
