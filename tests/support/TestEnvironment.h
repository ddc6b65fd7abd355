#pragma once

#include "ScriptedDialogBackend.h"
#include "ScriptedHost.h"

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

} // namespace tav::test
