#pragma once

#include "ScriptedDialogBackend.h"
#include "ScriptedHost.h"
#include "TestIsolation.h"

namespace tav::test {

// The scripted host of the running test, fresh for every test.
ScriptedHost& scriptedHost();
// The dialog backend of the running test; the shared dialog object uses it once created with
// createScriptedDialogs().
ScriptedDialogBackend& dialogBackend();
void createScriptedDialogs();

} // namespace tav::test
