#pragma once

#include "DialogIniFile.h"

#include "platform/Colors.h"
#include "platform/DialogBackend.h"

#include <QString>
#include <QtGlobal>

#include <vector>

namespace tav::components {

// The one shared dialog object through which every file and font dialog is shown. It keeps the
// caller's settings for the next dialog (title, file types, owner window, initial folder) and
// remembers the last folder, file and file type of the open and of the save dialog, and the
// last font, colour and page-setup choices. The remembered folders, files and file types are
// read from the dialog INI file when the object is created and written back when it goes.
//
// A dialog that is cancelled or fails records a code and a text (code 0, "General Codes
// Failure", for a cancel); a failure, never a cancel, is also shown in a message box while
// blnShowErrorMessages is on.
//
// A remembered folder is the chosen file's path up to and including its last "/".
class Dialogs {
public:
    // Reads the dialog INI file; the backend shows the dialogs and must outlive the object.
    explicit Dialogs(platform::DialogBackend& backend);
    // Writes the dialog INI file while blnUsePersistence is on.
    ~Dialogs();
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;

    bool blnShowErrorMessages() const { return blnShowErrorMessages_; }
    void setBlnShowErrorMessages(bool value) { blnShowErrorMessages_ = value; }
    bool blnUsePersistence() const { return blnUsePersistence_; }
    void setBlnUsePersistence(bool value) { blnUsePersistence_ = value; }

    // Page setup, in thousandths of an inch.
    qint32 lngPaperHeight() const { return page_.paperHeight; }
    qint32 lngPaperWidth() const { return page_.paperWidth; }
    qint16 intBottomMargin() const { return qint16(page_.margins.bottom); }
    void setIntBottomMargin(qint16 value) { page_.margins.bottom = value; }
    qint16 intTopMargin() const { return qint16(page_.margins.top); }
    void setIntTopMargin(qint16 value) { page_.margins.top = value; }
    qint16 intRightMargin() const { return qint16(page_.margins.right); }
    void setIntRightMargin(qint16 value) { page_.margins.right = value; }
    qint16 intLeftMargin() const { return qint16(page_.margins.left); }
    void setIntLeftMargin(qint16 value) { page_.margins.left = value; }
    qint16 intMinMarginBottom() const { return qint16(page_.minMargins.bottom); }
    void setIntMinMarginBottom(qint16 value) { page_.minMargins.bottom = value; }
    qint16 intMinMarginTop() const { return qint16(page_.minMargins.top); }
    void setIntMinMarginTop(qint16 value) { page_.minMargins.top = value; }
    qint16 intMinMarginRight() const { return qint16(page_.minMargins.right); }
    void setIntMinMarginRight(qint16 value) { page_.minMargins.right = value; }
    qint16 intMinMarginLeft() const { return qint16(page_.minMargins.left); }
    void setIntMinMarginLeft(qint16 value) { page_.minMargins.left = value; }
    // Shows the page-setup dialog; true when the user confirmed it, and then the paper size and
    // the margins are the user's.
    bool blnPageSetup();

    // The last font chosen.
    qint32 lngFontType() const { return lngFontType_; }
    // "Italic" when italic, else "Bold" when bold, else empty.
    QString strFontStyle() const { return strFontStyle_; }
    qint32 lngFontColor() const { return lngFontColor_; }
    // As the dialog gives it, of any length and with nothing after the name.
    QString strFontFaceName() const { return strFontFaceName_; }
    // Whole points.
    qint32 lngFontSize() const { return lngFontSize_; }
    bool blnIsFontBold() const { return blnIsFontBold_; }
    bool blnIsFontItalic() const { return blnIsFontItalic_; }
    // Shows the font dialog; true when the user confirmed it, and then the font members hold the
    // choice.
    bool blnChooseFont();

    qint32 lngColor() const { return lngColor_; }
    void setLngColor(qint32 value) { lngColor_ = value; }
    // Shows the colour dialog starting at the given colour; the colour chosen, or -1.
    qint32 lngChooseColor(qint32 initialColor);

    bool blnPrintDialog();
    // Shows the folder dialog over the given window; the folder chosen, or empty.
    QString fstrBrowseForFolder(platform::WindowHandle owner);

    // Settings for the next file dialog.
    platform::WindowHandle lngHWnd() const { return lngHWnd_; }
    void setLngHWnd(platform::WindowHandle value) { lngHWnd_ = value; }
    QString strTitle() const { return strTitle_; }
    void setStrTitle(const QString& value) { strTitle_ = value; }
    // Empty: each dialog opens in the last folder of its kind. Every file dialog leaves its kind's
    // last folder here, so unless the caller resets it the next dialog of either kind opens there.
    QString strInitialDir() const { return remembered_.initialDir; }
    void setStrInitialDir(const QString& value) { remembered_.initialDir = value; }
    // "description|pattern|description|pattern"; see filterListFromText.
    void setStrFilter(const QString& text);
    bool blnAllowMultipleFileSelect() const { return blnAllowMultipleFileSelect_; }
    void setBlnAllowMultipleFileSelect(bool value) { blnAllowMultipleFileSelect_ = value; }
    bool blnCreatePrompt() const { return blnCreatePrompt_; }
    void setBlnCreatePrompt(bool value) { blnCreatePrompt_ = value; }
    // Kept for callers that set it; paths have no length limit, so it changes no dialog.
    qint32 lngMaxFileNameBuffer() const { return lngMaxFileNameBuffer_; }
    void setLngMaxFileNameBuffer(qint32 value) { lngMaxFileNameBuffer_ = value; }

    // Shows the save dialog; the full path chosen, or empty. Choosing an existing file asks
    // nothing.
    QString strGetSaveFileName();
    // Shows the open dialog; the full path chosen, or empty. With several files allowed and
    // more than one chosen, the file names each followed by a NUL, with one more NUL at the end;
    // fstrReturnSingleFileName then gives each file's full path.
    QString strGetOpenFileName();
    // The full path of a file of the last open of several files; empty for an index outside
    // the list.
    QString fstrReturnSingleFileName(int index) const;
    qint32 lngNumFilesSelected() const { return lngNumFilesSelected_; }

    QString strLastOpenFolder() const { return remembered_.lastOpenFolder; }
    QString strLastOpenFile() const { return remembered_.lastOpenFile; }
    qint32 lngLastOpenFilter() const { return remembered_.lastOpenFilter; }
    QString strLastSaveFolder() const { return remembered_.lastSaveFolder; }
    QString strLastSaveFile() const { return remembered_.lastSaveFile; }
    qint32 lngLastSaveFilter() const { return remembered_.lastSaveFilter; }

    qint32 lngDialogError() const { return lngDialogError_; }
    QString strDialogError() const { return strDialogError_; }

private:
    platform::FileDialogRequest fileDialogRequest(platform::FileDialogMode mode, const QString& lastFolder,
                                                  int lastFilter, const QString& defaultTitle) const;
    QString takeOpenedFiles(const QStringList& paths);
    void reportFailure(int code);

    platform::DialogBackend& backend_;
    QString iniPath_;
    RememberedDialogs remembered_;

    std::vector<QString> selectedFiles_;
    // Black, white, red, green, yellow, blue, magenta, cyan, then white.
    platform::CustomColors customColors_{0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF,
                                         0xFFFF00, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                         0xFFFFFF, 0xFFFFFF};
    qint32 lngDialogError_ = 0;
    QString strDialogError_ = QStringLiteral("N/A");
    platform::WindowHandle lngHWnd_ = 0;
    QString strFilter_;
    bool blnAllowMultipleFileSelect_ = false;
    QString strTitle_;
    qint32 lngMaxFileNameBuffer_ = 250;
    bool blnCreatePrompt_ = false;
    qint32 lngColor_ = qint32(platform::rgbValue(192, 192, 192));
    qint32 lngNumFilesSelected_ = 0;
    qint32 lngFontSize_ = 10;
    QString strFontFaceName_;
    qint32 lngFontColor_ = 0;
    QString strFontStyle_;
    bool blnIsFontBold_ = false;
    bool blnIsFontItalic_ = false;
    qint32 lngFontType_ = platform::FontType::Regular;
    platform::PageSetup page_{8500, 11000, {250, 250, 250, 250}, {500, 500, 500, 500}};
    bool blnUsePersistence_ = true;
    bool blnShowErrorMessages_ = true;
};

} // namespace tav::components

namespace tav::components {

// gDialogs: created by start-up before the main window loads, released as the last step of
// shutdown.
Dialogs& dialogs();
// With Qt's dialogs.
void createDialogs();
// With another backend (a scripted one in tests), which must outlive the object.
void createDialogs(platform::DialogBackend& backend);
void releaseDialogs();
bool dialogsExist();

} // namespace tav::components
