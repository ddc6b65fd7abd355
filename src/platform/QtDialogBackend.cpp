#include "QtDialogBackend.h"

#include "AccessKeyRouter.h"
#include "Colors.h"
#include "FontDialog.h"
#include "Host.h"
#include "ModalOwner.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace tav::platform {

namespace {

// A dialog keeps every window of the program waiting, so it belongs with them even when its
// caller names the desktop as its owner: otherwise it could be minimised, or lost behind the
// windows it blocks, on its own. Each dialog shown here takes no typing from an Alt key either.
QWidget* ownerWidget(WindowHandle owner)
{
    AccessKeyRouter::install();
    QWidget* window = owner == 0 ? nullptr : QWidget::find(owner);
    return window ? window : modalOwner();
}

qint32 colorValueOf(const QColor& color)
{
    return qint32(rgbValue(color.red(), color.green(), color.blue()));
}

qint32 fontTypeOf(bool bold, bool italic)
{
    return (bold ? FontType::Bold : FontType::Regular) | (italic ? FontType::Italic : 0);
}

// A save dialog may have to ask before naming a file that does not exist yet. Qt's dialog has no
// such question of its own, so it is asked before the dialog accepts.
class PromptingFileDialog : public QFileDialog {
public:
    PromptingFileDialog(QWidget* parent, bool createPrompt)
        : QFileDialog(parent)
        , createPrompt_(createPrompt)
    {
    }

    void accept() override
    {
        const QString path = selectedFiles().value(0);
        if (createPrompt_ && !path.isEmpty() && !QFileInfo::exists(path)) {
            const MessageAnswer answer = host().messageBox(
                path + QLatin1String("\nThis file does not exist.\nDo you want to create it?"), MessageButtons::YesNo,
                MessageIcon::Exclamation, windowTitle());
            if (answer != MessageAnswer::Yes)
                return;
        }
        QFileDialog::accept();
    }

private:
    bool createPrompt_;
};

QPageLayout pageLayoutOf(const PageSetup& page)
{
    const auto inches = [](int thousandths) { return thousandths / 1000.0; };
    const auto marginsOf = [&](const PageMargins& m) {
        return QMarginsF(inches(m.left), inches(m.top), inches(m.right), inches(m.bottom));
    };
    const bool landscape = page.paperWidth > page.paperHeight;
    const QSizeF portraitSize(inches(std::min(page.paperWidth, page.paperHeight)),
                              inches(std::max(page.paperWidth, page.paperHeight)));
    const auto orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(QPageSize(portraitSize, QPageSize::Inch), orientation, marginsOf(page.margins), QPageLayout::Inch,
                       marginsOf(page.minMargins));
}

// Qt's page-setup dialog knows the printer's smallest margins, not the caller's, so a margin
// below the caller's minimum is raised to it afterwards.
PageSetup pageSetupOf(const QPageLayout& layout, const PageMargins& minMargins)
{
    const auto thousandths = [](qreal inches) { return qRound(inches * 1000.0); };
    const QRectF paper = layout.fullRect(QPageLayout::Inch);
    const QMarginsF margins = layout.margins(QPageLayout::Inch);
    PageSetup page;
    page.paperWidth = thousandths(paper.width());
    page.paperHeight = thousandths(paper.height());
    page.minMargins = minMargins;
    page.margins = {std::max(thousandths(margins.left()), minMargins.left),
                    std::max(thousandths(margins.top()), minMargins.top),
                    std::max(thousandths(margins.right()), minMargins.right),
                    std::max(thousandths(margins.bottom()), minMargins.bottom)};
    return page;
}

// The 1-based position of the type the user left selected. The dialog names it by the text it
// shows, which is the description alone since the patterns are hidden.
int selectedFileTypeIndex(const QString& selected, const std::vector<FileType>& types)
{
    const auto found = std::find_if(types.cbegin(), types.cend(), [&](const FileType& type) {
        return type.description.trimmed() == selected || qtNameFilter(type) == selected;
    });
    return found == types.cend() ? 1 : int(found - types.cbegin()) + 1;
}

} // namespace

QString qtNameFilter(const FileType& type)
{
    QStringList patterns = type.patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
        pattern = pattern.trimmed();
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
    }
    return type.description + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

DialogAnswer<FileChoice> QtDialogBackend::showFileDialog(const FileDialogRequest& request)
{
    const bool saving = request.mode == FileDialogMode::Save;
    PromptingFileDialog dialog(ownerWidget(request.owner), saving && request.createPrompt);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The list shows each type's description as given; the patterns only filter.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile
                              : request.allowMultipleFiles ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.initialFolder);
    QStringList filters;
    for (const FileType& type : request.fileTypes)
        filters << qtNameFilter(type);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(request.fileTypeIndex - 1));

    DialogAnswer<FileChoice> answer;
    if (dialog.exec() != QDialog::Accepted)
        return answer;
    answer.confirmed = true;
    answer.choice.paths = dialog.selectedFiles();
    answer.choice.fileTypeIndex = selectedFileTypeIndex(dialog.selectedNameFilter(), request.fileTypes);
    return answer;
}

DialogAnswer<FontChoice> QtDialogBackend::showFontDialog(const FontRequest& request)
{
    FontDialog dialog(ownerWidget(request.owner));
    DialogAnswer<FontChoice> answer;
    if (dialog.exec() != QDialog::Accepted)
        return answer;
    const QFont font = dialog.chosenFont();
    answer.confirmed = true;
    answer.choice.faceName = font.family();
    answer.choice.pointSizeTenths = qRound(font.pointSizeF() * 10);
    // Qt's font dialog offers no colour: the text stays black.
    answer.choice.color = 0;
    answer.choice.fontType = fontTypeOf(font.bold(), font.italic());
    return answer;
}

DialogAnswer<ColorChoice> QtDialogBackend::showColorDialog(const ColorRequest& request)
{
    for (int i = 0; i < int(request.customColors.size()); ++i)
        QColorDialog::setCustomColor(i, toQColor(ColorValue(request.customColors[std::size_t(i)])));
    QColorDialog dialog(toQColor(ColorValue(request.initialColor)), ownerWidget(request.owner));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    DialogAnswer<ColorChoice> answer;
    if (dialog.exec() != QDialog::Accepted)
        return answer;
    answer.confirmed = true;
    answer.choice.color = colorValueOf(dialog.selectedColor());
    for (int i = 0; i < int(answer.choice.customColors.size()); ++i)
        answer.choice.customColors[std::size_t(i)] = colorValueOf(QColorDialog::customColor(i));
    return answer;
}

DialogAnswer<PageSetup> QtDialogBackend::showPageSetupDialog(WindowHandle owner, const PageSetup& page)
{
    QPrinter printer;
    printer.setPageLayout(pageLayoutOf(page));
    QPageSetupDialog dialog(&printer, ownerWidget(owner));
    DialogAnswer<PageSetup> answer;
    if (dialog.exec() != QDialog::Accepted)
        return answer;
    answer.confirmed = true;
    answer.choice = pageSetupOf(printer.pageLayout(), page.minMargins);
    return answer;
}

DialogEnd QtDialogBackend::showPrintDialog(WindowHandle owner)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, ownerWidget(owner));
    return DialogEnd{dialog.exec() == QDialog::Accepted, 0};
}

DialogAnswer<QString> QtDialogBackend::showFolderDialog(const FolderRequest& request)
{
    QFileDialog dialog(ownerWidget(request.owner), request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    DialogAnswer<QString> answer;
    if (dialog.exec() != QDialog::Accepted)
        return answer;
    answer.confirmed = true;
    answer.choice = dialog.selectedFiles().value(0);
    return answer;
}

} // namespace tav::platform
