#include "DesktopHost.h"

#include "AccessKeyRouter.h"
#include "Form.h"
#include "ModalOwner.h"
#include "QtPrintJob.h"
#include "TitleRoom.h"
#include "Twips.h"
#include "UrlDownload.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>

namespace tav::platform {

namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// While the program is busy, a prompt shows the normal cursor over every window: it waits for
// the user, who is to answer it.
class NormalCursorWhileAsking {
public:
    explicit NormalCursorWhileAsking(bool busy)
        : busy_(busy)
    {
        if (busy_)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursorWhileAsking()
    {
        if (busy_)
            QGuiApplication::restoreOverrideCursor();
    }
    NormalCursorWhileAsking(const NormalCursorWhileAsking&) = delete;
    NormalCursorWhileAsking& operator=(const NormalCursorWhileAsking&) = delete;

private:
    bool busy_;
};

} // namespace

MessageAnswer DesktopHost::messageBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                                      const QString& title)
{
    QMessageBox box(boxIcon(icon), title, text, standardButtons(buttons), modalOwner());
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::YesNoDefaultNo)
        box.setDefaultButton(QMessageBox::No);
    const NormalCursorWhileAsking normalCursor(busy_);
    switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default:
        // The close box answers as Cancel does, or as the only button of an OK box.
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok
            : buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoDefaultNo ? MessageAnswer::No
                                               : MessageAnswer::Cancel;
    }
}

QString DesktopHost::inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                              std::optional<QPointF> positionTwips)
{
    AccessKeyRouter::install();
    QInputDialog dialog(modalOwner());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // As every window of the form runtime: a fixed size. The user cannot widen it to read a title
    // cut short, so its box makes it wide enough for the whole title. The dialog makes its layout
    // only when first asked for its size.
    dialog.sizeHint();
    QLayout* layout = dialog.layout();
    const QMargins margins = layout->contentsMargins();
    if (auto* box = dialog.findChild<QLineEdit*>())
        box->setMinimumWidth(titleRoom(title) - margins.left() - margins.right());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (positionTwips)
        dialog.move(twipsToPixels(positionTwips->x()), twipsToPixels(positionTwips->y()));
    const NormalCursorWhileAsking normalCursor(busy_);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

int DesktopHost::popupMenu(const QStringList& captions)
{
    QMenu menu(modalOwner());
    for (const QString& caption : captions)
        menu.addAction(caption);
    const NormalCursorWhileAsking normalCursor(busy_);
    const QAction* chosen = menu.exec(QCursor::pos());
    return chosen ? static_cast<int>(menu.actions().indexOf(const_cast<QAction*>(chosen))) : -1;
}

void DesktopHost::runModal(Form& form)
{
    form.dialog()->setModal(true);
    const NormalCursorWhileAsking normalCursor(busy_);
    form.dialog()->exec();
}

void DesktopHost::sendKey(int qtKey)
{
    postKeyToFocusedControl(qtKey);
}

std::unique_ptr<PrintJob> DesktopHost::openPrintJob(const PrintJobSetup& setup)
{
    return openSystemPrintJob(setup, now(), locale());
}

void DesktopHost::showBusyCursor(bool busy)
{
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

bool DesktopHost::previousInstanceRunning()
{
    return !instanceLock_.acquire();
}

QString DesktopHost::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QDateTime DesktopHost::now() const
{
    return QDateTime::currentDateTime();
}

QLocale DesktopHost::locale() const
{
    return QLocale();
}

std::optional<QByteArray> DesktopHost::download(const QUrl& url, std::chrono::milliseconds timeLimit, qint64 sizeLimit)
{
    return downloadWhole(url, timeLimit, sizeLimit);
}

bool DesktopHost::openWithDefaultApplication(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopHost::startDetached(const QString& program, const QString& workingFolder)
{
    return QProcess::startDetached(program, {}, workingFolder);
}

} // namespace tav::platform
