#pragma once

#include <QString>

namespace tav::platform {
class TextBox;
}

namespace tav::app {

class Books;

// The Options page's database file commands (New, Open, Save, Save As) and closing the books.
// Each command writes or reads first and switches files only when that succeeded, so that no
// failing write or read leaves the program pointing at a file it could not use.
class FileCommands {
public:
    enum Command { New = 0, Open = 1, Save = 2, SaveAs = 3 };

    // pathBox shows the path of the books' file.
    FileCommands(Books& books, platform::TextBox* pathBox);

    void cmdChangePath_Click(int index);
    void cmdCloseBooks_Click();
    // False when the user declines the explanation of closing the books.
    bool confirmCloseBooks() const;

private:
    void newDatabase();
    void openDatabase();
    void saveDatabaseAs();
    // The path chosen in the file dialog with ".xml" made sure of; empty when cancelled.
    QString chosenPath(const QString& title, bool saving) const;
    // Offers to save unsaved changes first; false when the user cancels or the save fails.
    bool unsavedChangesSettled() const;
    void switchTo(const QString& path);
    // Reads the file and shows it as the database, as Open does; when it cannot be read the user
    // is told and the database shown stays, with its file.
    void readAndSwitchTo(const QString& path);
    void tellUser(const QString& text) const;

    Books& books_;
    platform::TextBox* pathBox_;
};

} // namespace tav::app
