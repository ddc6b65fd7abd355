#pragma once

#include <QString>

namespace tav::bench {

// Starts the real program on the database file (as a user would: its own settings naming the
// file, the window shown offscreen) and reports, once the window is shown and painted, the time
// since launch and the peak memory. With cancel it then abandons the changes as the Cancel button
// does (answering its question with OK) and reports that step's time and the peak memory after
// it. Ends the process; returns only when the program could not be started.
int startProgram(int argc, char** argv, const QString& databasePath, bool cancel);

} // namespace tav::bench
