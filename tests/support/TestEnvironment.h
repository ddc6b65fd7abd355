#pragma once

#include "ScriptedDialogBackend.h"
#include "ScriptedHost.h"

#include <QLocale>
#include <QString>

namespace tav::test {

// Every test runs with its own temporary folders (settings, data, runtime, home and the program
// folder), a fresh settings store and a fresh scripted host; none of them touches the real home.
ScriptedHost& scriptedHost();
// The dialog backend of the running test; the shared dialog object uses it once created with
// createScriptedDialogs().
ScriptedDialogBackend& dialogBackend();
void createScriptedDialogs();
// The temporary folder of the running test.
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
