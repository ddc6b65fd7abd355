#pragma once

#include "app/MainWindow.h"
#include "platform/Host.h"
#include "platform/SettingsStore.h"
#include "records/Database.h"

#include <QTemporaryDir>

namespace tav::bench {

// A host without a screen: it answers every question with OK (and says on stderr what it was
// asked, so that a step that failed does not pass unnoticed), and prints to a PDF file.
class QuietHost final : public platform::Host {
public:
    QuietHost(QString folder, QString pdfPath);

    platform::MessageAnswer messageBox(
        const QString& text, platform::MessageButtons, platform::MessageIcon, const QString& title) override;
    QString inputBox(const QString&, const QString&, const QString&, std::optional<QPointF>) override { return {}; }
    int popupMenu(const QStringList&) override { return -1; }
    void runModal(platform::Form& form) override;
    void sendKey(int) override { }
    bool previousInstanceRunning() override { return false; }
    QString programFolder() const override { return folder_; }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    QLocale locale() const override { return QLocale(QLocale::English, QLocale::UnitedStates); }
    std::optional<QByteArray> download(const QUrl&, std::chrono::milliseconds, qint64) override { return std::nullopt; }
    bool openWithDefaultApplication(const QString&) override { return false; }
    bool startDetached(const QString&, const QString&) override { return false; }
    std::unique_ptr<platform::PrintJob> openPrintJob(const platform::PrintJobSetup& setup) override;

    int messages() const { return messages_; }

private:
    QString folder_;
    QString pdfPath_;
    int messages_ = 0;
};

// The main window on a database as start-up leaves it: shown (offscreen) at its starting size on
// the given page. The database goes back to where it came from when the window is done.
class BenchWindow {
public:
    enum Page { CustomersPage = 0, BillPeriodsPage = 2, PrintingPage = 3 };

    BenchWindow(records::Database& database, Page page, const QString& pdfPath = QString());
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    app::MainWindow& operator*() { return *window_; }
    app::MainWindow* operator->() { return window_; }
    const QuietHost& host() const { return host_; }

    // Lets the window catch up with a step (layout, painting), as it does before the user sees
    // the result; measured steps count this too.
    static void settle();

private:
    records::Database& database_;
    QTemporaryDir scratch_;
    QuietHost host_;
    platform::SettingsStore settings_;
    app::MainWindow* window_ = nullptr;
};

} // namespace tav::bench
