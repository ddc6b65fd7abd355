#include "StartCase.h"

#include "BenchCase.h"
#include "BenchWindow.h"
#include "ProcessFigures.h"

#include "app/frame/Startup.h"
#include "components/HoverCommand.h"
#include "platform/SettingsStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace tav::bench {

namespace {

const QString kMainWindowName = QStringLiteral("frmTAV");
const QString kCancelQuestionTitle = QStringLiteral("ABANDON ALL CHANGES???");

struct StartRun {
    bool active = false;
    bool cancel = false;
    std::chrono::steady_clock::time_point entered;
    std::unique_ptr<QTemporaryDir> scratch;
};

StartRun& startRun()
{
    static StartRun run;
    return run;
}

[[noreturn]] void end(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    startRun().scratch.reset();
    // The program's own shutdown (and freeing a large database) is no part of what is measured.
    std::_Exit(status);
}

QWidget* mainWindowWidget()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == kMainWindowName)
            return widget;
    }
    return nullptr;
}

// Watches every event of the program: the first painting of the main window makes it usable
// once the event loop has turned over, and the one question the run expects is answered.
class ProgramWatcher final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                answer(box);
        } else if (event->type() == QEvent::Paint && !painted_) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window()->objectName() == kMainWindowName) {
                painted_ = true;
                QTimer::singleShot(0, this, &ProgramWatcher::windowUsable);
            }
        }
        return false;
    }

private:
    void answer(QMessageBox* box)
    {
        if (box->windowTitle() != kCancelQuestionTitle) {
            std::fprintf(stderr, "start: unexpected message \"%s\": %s\n", qPrintable(box->windowTitle()),
                qPrintable(box->text()));
            end(1);
        }
        QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
    }

    void windowUsable()
    {
        const std::optional<double> launched = secondsSinceLaunch();
        BenchContext::report("start-window",
            launched.value_or(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - startRun().entered).count()),
            "s");
        BenchContext::report("peak-after-start", peakResidentMiB(), "MiB");
        if (startRun().cancel)
            cancel();
        end(0);
    }

    static void cancel()
    {
        QWidget* window = mainWindowWidget();
        auto* button = window ? window->findChild<QWidget*>(QStringLiteral("cmdCancel")) : nullptr;
        auto* command
            = button ? button->findChild<components::HoverCommand*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
        if (!command) {
            std::fprintf(stderr, "start: the Cancel button was not found\n");
            end(1);
        }
        ProfilerControl::instance().arm(true);
        const double seconds = secondsFor([&] {
            emit command->clicked();
            BenchWindow::settle();
        });
        BenchContext::report("cancel", seconds, "s");
        BenchContext::report("peak-after-cancel", peakResidentMiB(), "MiB");
    }

    bool painted_ = false;
};

void watchProgram()
{
    if (startRun().active)
        qApp->installEventFilter(new ProgramWatcher(qApp));
}

// Runs as the program makes its application object, before its window exists.
Q_COREAPP_STARTUP_FUNCTION(watchProgram)

} // namespace

int startProgram(int argc, char** argv, const QString& databasePath, bool cancel)
{
    StartRun& run = startRun();
    run.entered = std::chrono::steady_clock::now();
    run.scratch = std::make_unique<QTemporaryDir>();
    if (!run.scratch->isValid()) {
        std::fprintf(stderr, "start: no scratch folder\n");
        return 1;
    }
    // Settings, lock and data of their own, so that no user's files are touched.
    const QDir scratch(run.scratch->path());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("data"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(scratch.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::SettingsStore settings(platform::SettingsStore::defaultFilePath());
    if (!settings.setValue(QStringLiteral("FileHandling"), QStringLiteral("DatabasePath"),
            QDir::current().absoluteFilePath(databasePath))) {
        std::fprintf(stderr, "start: the settings could not be written\n");
        return 1;
    }
    run.active = true;
    run.cancel = cancel;
    app::runProgram(argc, argv);
    std::fprintf(stderr, "start: the program ended before its window was usable\n");
    end(1);
}

} // namespace tav::bench
