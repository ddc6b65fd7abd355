#include "BenchWindow.h"

#include "components/Dialogs.h"
#include "platform/QtPrintJob.h"
#include "platform/TextBox.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>

#include <cstdio>

namespace tav::bench {

namespace {

// The main window's size when it first opens, in twips.
constexpr double kStartWidth = 10110;
constexpr double kStartHeight = 6765;

} // namespace

QuietHost::QuietHost(QString folder, QString pdfPath)
    : folder_(std::move(folder))
    , pdfPath_(std::move(pdfPath))
{
}

platform::MessageAnswer QuietHost::messageBox(
    const QString& text, platform::MessageButtons, platform::MessageIcon, const QString& title)
{
    ++messages_;
    std::fprintf(stderr, "message \"%s\": %s\n", qPrintable(title),
        qPrintable(QString(text).replace(QLatin1String("\r\n"), QLatin1String(" "))));
    return platform::MessageAnswer::Ok;
}

void QuietHost::runModal(platform::Form& form)
{
    form.show();
    if (modalStep_)
        modalStep_(form);
    if (!form.unloaded())
        form.unload();
}

std::unique_ptr<platform::PrintJob> QuietHost::openPrintJob(const platform::PrintJobSetup& setup)
{
    if (jobMaker_)
        return jobMaker_(setup);
    const QString path = pdfPath_.isEmpty() ? QDir(folder_).filePath(QStringLiteral("print.pdf")) : pdfPath_;
    return std::make_unique<platform::QtPrintJob>(
        setup, platform::PrintTarget{platform::PrintTarget::Kind::PdfFile, QString(), path});
}

platform::DialogAnswer<platform::FileChoice> ChosenFileDialogs::showFileDialog(const platform::FileDialogRequest&)
{
    platform::DialogAnswer<platform::FileChoice> answer;
    answer.confirmed = !path_.isEmpty();
    answer.choice.paths = {path_};
    return answer;
}

BenchWindow::BenchWindow(records::Database& database, Page page, const QString& pdfPath)
    : database_(database)
    , host_(scratch_.path(), pdfPath)
    , settings_(scratch_.filePath(QStringLiteral("TAV.ini")))
{
    platform::installHost(&host_);
    platform::installSettings(&settings_);
    settings_.setValue(QStringLiteral("Settings"), QStringLiteral("CheckToConfirmEdits"), QStringLiteral("False"));
    settings_.setValue(
        QStringLiteral("FileHandling"), QStringLiteral("DatabasePath"), scratch_.filePath(QStringLiteral("TAV.xml")));
    components::createDialogs(dialogs_);
    window_ = new app::MainWindow;
    window_->books().data() = std::move(database);
    window_->state().isLoading = true;
    window_->state().formats = app::probeLocaleFormats(host_.locale());
    emit window_->books().companyTextsLoaded();
    emit window_->books().tablesReplaced();
    window_->setWidth(kStartWidth);
    window_->setHeight(kStartHeight);
    window_->pageLayout().cmdTab_Click(page);
    window_->state().isLoading = false;
    window_->show();
    settle();
}

BenchWindow::~BenchWindow()
{
    database_ = std::move(window_->books().data());
    window_->books().setUnsaved(false);
    window_->unload();
    components::releaseDialogs();
    platform::installHost(nullptr);
    platform::installSettings(nullptr);
    settle();
}

void BenchWindow::settle()
{
    // Painting comes last, as a posted request of the window; the loop ends once nothing is left.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    do {
        QCoreApplication::sendPostedEvents();
        // Unloaded windows delete themselves from the event loop, which a case never returns to.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } while (dispatcher->processEvents(QEventLoop::AllEvents));
}

} // namespace tav::bench
