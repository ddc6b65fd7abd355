// Starts the main window offscreen on a copy of a database file and writes a PNG of each page.
//   tav-page-pictures DATABASE.xml OUTPUT-FOLDER

#include "app/frame/MainWindow.h"
#include "components/Dialogs.h"
#include "platform/DesktopHost.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tav-page-pictures DATABASE.xml OUTPUT-FOLDER\n");
        return 2;
    }
    // Its own settings and a copy of the file, so that nothing of the user's is touched.
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
    const QString database = scratch.filePath(QStringLiteral("TAV.xml"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), database)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(output.path());

    tav::platform::DesktopHost host;
    tav::platform::installHost(&host);
    tav::platform::SettingsStore settings(tav::platform::SettingsStore::defaultFilePath());
    tav::platform::installSettings(&settings);
    settings.setValue(QStringLiteral("FileHandling"), QStringLiteral("DatabasePath"), database);
    settings.setValue(QStringLiteral("Messages"), QStringLiteral("DeletedCustomer"), QStringLiteral("True"));

    tav::components::createDialogs();
    auto* window = new tav::app::MainWindow;
    window->load();
    static const char* const names[] = {"0-customers", "1-products", "2-bill-periods", "3-printing",
                                        "4-print-options", "5-options", "6-company-info"};
    for (int page = 0; page < 7; ++page) {
        window->pageLayout().cmdTab_Click(page);
        QApplication::processEvents();
        window->widget()->grab().save(output.filePath(QLatin1String(names[page]) + QLatin1String(".png")));
    }
    window->books().setUnsaved(false);
    window->unload();
    QTextStream(stdout) << "pictures written to " << output.absolutePath() << "\n";
    return 0;
}
