#pragma once

#include <QString>

namespace tav::app {

// "TAV.xml" in the program's folder when that folder is writable, otherwise
// $XDG_DATA_HOME/TAV/TAV.xml (~/.local/share/TAV/TAV.xml).
QString defaultDatabasePath();

// The current database file: setting "FileHandling" / "DatabasePath", or the default, which is
// not written back.
QString databasePath();
void setDatabasePath(const QString& path);

} // namespace tav::app
