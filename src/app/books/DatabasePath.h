#pragma once

#include <QString>

namespace tav::app {

// "TAV.xml" in the program's folder when that folder is writable, otherwise
// $XDG_DATA_HOME/TAV/TAV.xml (~/.local/share/TAV/TAV.xml).
QString defaultDatabasePath();

// Before a missing database file is created: makes the folder of the fallback path in the user's
// data folder, readable by the user only, when it is missing (a fresh account has none). Any other
// folder is left alone: one the user chose that is gone (a removed drive) is not made anew.
void prepareDatabaseFolder(const QString& path);

// The current database file: setting "FileHandling" / "DatabasePath", or the default, which is
// not written back.
QString databasePath();
void setDatabasePath(const QString& path);

} // namespace tav::app
