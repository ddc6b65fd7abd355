#pragma once

#include "DialogBackend.h"

namespace tav::platform {

// The dialogs of the running program: Qt's own dialogs (never the desktop's native ones) and our
// font dialog, shown modally over the owner window when it is one of ours, else over the
// program's active window.
class QtDialogBackend : public DialogBackend {
public:
    DialogAnswer<FileChoice> showFileDialog(const FileDialogRequest& request) override;
    DialogAnswer<FontChoice> showFontDialog(const FontRequest& request) override;
    DialogAnswer<ColorChoice> showColorDialog(const ColorRequest& request) override;
    DialogAnswer<PageSetup> showPageSetupDialog(WindowHandle owner, const PageSetup& page) override;
    DialogEnd showPrintDialog(WindowHandle owner) override;
    DialogAnswer<QString> showFolderDialog(const FolderRequest& request) override;
};

// A file type as Qt's file dialog takes it: the description, then the patterns in brackets.
// "*.*" becomes "*", so that files without an extension count among all files.
QString qtNameFilter(const FileType& type);

} // namespace tav::platform
