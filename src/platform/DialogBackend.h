#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <qwindowdefs.h>

#include <array>
#include <vector>

namespace tav::platform {

// The desktop's standard dialogs, as the shared dialog object shows them. The object keeps all
// bookkeeping (remembered folders, files and file types, error codes); a backend only shows one
// dialog and says how it ended, so tests can answer dialogs from a script.

// A window handle of 0 stands for the desktop: the dialog has no owner window.
using WindowHandle = WId;

// How a dialog ended when the user did not confirm it: failure code 0 means the user cancelled.
struct DialogEnd {
    bool confirmed = false;
    int failureCode = 0;
};

// The user's choice, meaningful only when the dialog was confirmed.
template <typename Choice>
struct DialogAnswer : DialogEnd {
    Choice choice{};
};

// One entry of a file dialog's type list: the text the user sees and the patterns it lets
// through, separated by ";" ("*.xml", "*.txt;*.log").
struct FileType {
    QString description;
    QString patterns;

    bool operator==(const FileType&) const = default;
};

enum class FileDialogMode { Open, Save };

struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::Open;
    WindowHandle owner = 0;
    QString title;
    QString initialFolder;
    std::vector<FileType> fileTypes;
    // 1-based position in fileTypes of the type selected when the dialog opens.
    int fileTypeIndex = 1;
    // Open only: the user may pick several files of one folder. An open dialog accepts only
    // files that exist.
    bool allowMultipleFiles = false;
    // Save only: ask before a file that does not exist yet is named. A save dialog never asks
    // about replacing an existing file and adds no extension.
    bool createPrompt = false;
};

struct FileChoice {
    // Full paths, in the order the user picked them; one unless several files were allowed.
    QStringList paths;
    // 1-based position of the file type selected when the user confirmed.
    int fileTypeIndex = 1;
};

struct FontRequest {
    WindowHandle owner = 0;
};

// The font dialog offers scalable fonts only and opens without a preselected font.
struct FontChoice {
    QString faceName;
    // In tenths of a point.
    int pointSizeTenths = 0;
    // &H00BBGGRR.
    qint32 color = 0;
    // Weight and slant as FontType bits.
    qint32 fontType = 0;
};

namespace FontType {
inline constexpr qint32 Bold = 0x100;
inline constexpr qint32 Italic = 0x200;
inline constexpr qint32 Regular = 0x400;
} // namespace FontType

// Colours are &H00BBGGRR values.
using CustomColors = std::array<qint32, 16>;

struct ColorRequest {
    WindowHandle owner = 0;
    qint32 initialColor = 0;
    CustomColors customColors{};
};

struct ColorChoice {
    qint32 color = 0;
    // The custom colours as the user left them.
    CustomColors customColors{};
};

// Lengths in thousandths of an inch.
struct PageMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PageMargins&) const = default;
};

struct PageSetup {
    int paperWidth = 0;
    int paperHeight = 0;
    // The dialog accepts no margin below these.
    PageMargins minMargins;
    PageMargins margins;

    bool operator==(const PageSetup&) const = default;
};

struct FolderRequest {
    WindowHandle owner = 0;
    QString title;
};

class DialogBackend {
public:
    virtual ~DialogBackend() = default;

    virtual DialogAnswer<FileChoice> showFileDialog(const FileDialogRequest& request) = 0;
    virtual DialogAnswer<FontChoice> showFontDialog(const FontRequest& request) = 0;
    virtual DialogAnswer<ColorChoice> showColorDialog(const ColorRequest& request) = 0;
    virtual DialogAnswer<PageSetup> showPageSetupDialog(WindowHandle owner, const PageSetup& page) = 0;
    // Nothing of the user's choice is kept.
    virtual DialogEnd showPrintDialog(WindowHandle owner) = 0;
    // The chosen folder's path; an empty path when the choice has none.
    virtual DialogAnswer<QString> showFolderDialog(const FolderRequest& request) = 0;
};

} // namespace tav::platform
