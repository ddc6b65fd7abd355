#pragma once

#include <QString>

namespace tav::components {

// What the file dialogs remember across restarts: section "DIALOGS" of the dialog INI file.
struct RememberedDialogs {
    // Where the next file dialog opens; empty means the last folder of that kind of dialog.
    QString initialDir;
    QString lastOpenFolder;
    // 1-based positions in the file-type list.
    int lastOpenFilter = 1;
    QString lastOpenFile;
    QString lastSaveFolder;
    int lastSaveFilter = 1;
    QString lastSaveFile;
};

// The running program's name with ".ini", in the per-user config folder ($XDG_CONFIG_HOME, or
// ~/.config when that is unset).
QString dialogIniFilePath();

// Folders that are absent or empty read as the program folder, files as empty and positions as 1.
RememberedDialogs readRememberedDialogs(const QString& iniPath, const QString& programFolder);

// Writes the seven keys and keeps whatever else the file holds. A text that would not stay on
// its line (a line break or a NUL in it) is written empty. The values only save the user some
// clicks, so a file that cannot be written loses them without a word.
void writeRememberedDialogs(const QString& iniPath, const RememberedDialogs& remembered);

} // namespace tav::components
