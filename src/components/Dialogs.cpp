#include "Dialogs.h"

#include "DialogErrors.h"
#include "DialogFilter.h"

#include "platform/Host.h"
#include "platform/QtDialogBackend.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace tav::components {

using platform::FileDialogMode;

namespace {

// The folder part of a path, up to and including its last "/"; empty when it has none.
QString folderOf(const QString& path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// Whole points from tenths of a point, halves going to the even number as the desktop rounds.
qint32 wholePoints(int tenths)
{
    const int points = tenths / 10;
    const int rest = tenths % 10;
    return points + ((rest > 5 || (rest == 5 && points % 2 == 1)) ? 1 : 0);
}

// The margin members are 16-bit; a margin chosen beyond that range keeps the largest they hold.
int sixteenBit(int value)
{
    return std::clamp<int>(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
}

platform::PageMargins sixteenBit(const platform::PageMargins& margins)
{
    return {sixteenBit(margins.left), sixteenBit(margins.top), sixteenBit(margins.right), sixteenBit(margins.bottom)};
}

} // namespace

Dialogs::Dialogs(platform::DialogBackend& backend)
    : backend_(backend)
    , iniPath_(dialogIniFilePath())
    , remembered_(readRememberedDialogs(iniPath_, platform::host().programFolder()))
    , strFilter_(defaultFilterList())
{
}

Dialogs::~Dialogs()
{
    if (blnUsePersistence_)
        writeRememberedDialogs(iniPath_, remembered_);
}

void Dialogs::setStrFilter(const QString& text)
{
    strFilter_ = filterListFromText(text);
}

platform::FileDialogRequest Dialogs::fileDialogRequest(FileDialogMode mode, const QString& lastFolder, int lastFilter,
                                                       const QString& defaultTitle) const
{
    platform::FileDialogRequest request;
    request.mode = mode;
    request.owner = lngHWnd_;
    request.title = strTitle_.isEmpty() ? defaultTitle : strTitle_;
    request.initialFolder = remembered_.initialDir.isEmpty() ? lastFolder : remembered_.initialDir;
    request.fileTypes = fileTypesFromFilterList(strFilter_);
    request.fileTypeIndex = clampedFileTypeIndex(lastFilter, request.fileTypes.size());
    return request;
}

QString Dialogs::strGetSaveFileName()
{
    platform::FileDialogRequest request = fileDialogRequest(FileDialogMode::Save, remembered_.lastSaveFolder,
                                                            remembered_.lastSaveFilter, QStringLiteral("Save File"));
    request.createPrompt = blnCreatePrompt_;
    const auto answer = backend_.showFileDialog(request);
    QString path;
    if (answer.confirmed && !answer.choice.paths.isEmpty()) {
        path = answer.choice.paths.first();
        remembered_.lastSaveFolder = folderOf(path);
        remembered_.lastSaveFile = path;
        remembered_.lastSaveFilter = answer.choice.fileTypeIndex;
    } else {
        reportFailure(answer.failureCode);
    }
    remembered_.initialDir = remembered_.lastSaveFolder;
    return path;
}

QString Dialogs::strGetOpenFileName()
{
    lngNumFilesSelected_ = 0;
    platform::FileDialogRequest request = fileDialogRequest(FileDialogMode::Open, remembered_.lastOpenFolder,
                                                            remembered_.lastOpenFilter,
                                                            QStringLiteral("Select File(s) To Open"));
    request.allowMultipleFiles = blnAllowMultipleFileSelect_;
    const auto answer = backend_.showFileDialog(request);
    QString result;
    if (answer.confirmed && !answer.choice.paths.isEmpty()) {
        result = takeOpenedFiles(answer.choice.paths);
        remembered_.lastOpenFilter = answer.choice.fileTypeIndex;
    } else {
        reportFailure(answer.failureCode);
    }
    remembered_.initialDir = remembered_.lastOpenFolder;
    return result;
}

QString Dialogs::takeOpenedFiles(const QStringList& paths)
{
    const QString& first = paths.first();
    remembered_.lastOpenFolder = folderOf(first);
    if (!blnAllowMultipleFileSelect_) {
        remembered_.lastOpenFile = first;
        return first;
    }
    lngNumFilesSelected_ = qint32(paths.size());
    if (paths.size() == 1) {
        remembered_.lastOpenFile = fileNameOf(first);
        return first;
    }
    // Several files share one folder: the result lists their names in the desktop's form.
    QString names;
    for (const QString& path : paths)
        names += fileNameOf(path) + QChar(u'\0');
    names += QChar(u'\0');
    remembered_.lastOpenFile = names;
    selectedFiles_.assign(paths.cbegin(), paths.cend());
    return names;
}

QString Dialogs::fstrReturnSingleFileName(int index) const
{
    const bool inList = index >= 0 && std::size_t(index) < selectedFiles_.size();
    return inList ? selectedFiles_[std::size_t(index)] : QString();
}

bool Dialogs::blnChooseFont()
{
    const auto answer = backend_.showFontDialog(platform::FontRequest{lngHWnd_});
    if (!answer.confirmed) {
        reportFailure(answer.failureCode);
        return false;
    }
    const platform::FontChoice& font = answer.choice;
    // Below one point the dialog's size is no size at all.
    lngFontSize_ = wholePoints(font.pointSizeTenths < 10 ? 100 : font.pointSizeTenths);
    strFontFaceName_ = font.faceName;
    lngFontColor_ = font.color;
    lngFontType_ = font.fontType;
    blnIsFontBold_ = (font.fontType & platform::FontType::Bold) != 0;
    blnIsFontItalic_ = (font.fontType & platform::FontType::Italic) != 0;
    strFontStyle_ = blnIsFontItalic_ ? QStringLiteral("Italic") : blnIsFontBold_ ? QStringLiteral("Bold") : QString();
    return true;
}

qint32 Dialogs::lngChooseColor(qint32 initialColor)
{
    const auto answer = backend_.showColorDialog(platform::ColorRequest{lngHWnd_, initialColor, customColors_});
    if (!answer.confirmed) {
        reportFailure(answer.failureCode);
        return -1;
    }
    lngColor_ = answer.choice.color;
    customColors_ = answer.choice.customColors;
    return lngColor_;
}

bool Dialogs::blnPageSetup()
{
    const auto answer = backend_.showPageSetupDialog(lngHWnd_, page_);
    if (!answer.confirmed) {
        reportFailure(answer.failureCode);
        return false;
    }
    page_ = answer.choice;
    page_.minMargins = sixteenBit(page_.minMargins);
    page_.margins = sixteenBit(page_.margins);
    return true;
}

bool Dialogs::blnPrintDialog()
{
    const platform::DialogEnd end = backend_.showPrintDialog(lngHWnd_);
    if (!end.confirmed)
        reportFailure(end.failureCode);
    return end.confirmed;
}

QString Dialogs::fstrBrowseForFolder(platform::WindowHandle owner)
{
    const auto answer = backend_.showFolderDialog(platform::FolderRequest{owner, QStringLiteral("Select Folder")});
    return answer.confirmed ? answer.choice : QString();
}

void Dialogs::reportFailure(int code)
{
    lngDialogError_ = code;
    strDialogError_ = dialogErrorText(code);
    if (blnShowErrorMessages_ && code != 0) {
        platform::host().messageBox(strDialogError_, platform::MessageButtons::Ok, platform::MessageIcon::Critical,
                                    QStringLiteral("DIALOG ERROR"));
    }
}

namespace {
std::unique_ptr<Dialogs> gDialogs;
}

Dialogs& dialogs()
{
    Q_ASSERT(gDialogs);
    return *gDialogs;
}

void createDialogs()
{
    static platform::QtDialogBackend qtDialogs;
    createDialogs(qtDialogs);
}

void createDialogs(platform::DialogBackend& backend)
{
    gDialogs = std::make_unique<Dialogs>(backend);
}

void releaseDialogs()
{
    gDialogs.reset();
}

bool dialogsExist()
{
    return gDialogs != nullptr;
}

} // namespace tav::components
