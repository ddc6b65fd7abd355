#pragma once

#include "app/frame/MainWindow.h"
#include "platform/DialogBackend.h"
#include "platform/Host.h"
#include "platform/PrintJob.h"
#include "platform/SettingsStore.h"
#include "records/Database.h"

#include <QTemporaryDir>

#include <functional>

namespace tav::bench {

// A host without a screen: it answers every question with OK (and says on stderr what it was
// asked, so that a step that failed does not pass unnoticed), plays the case's part in a modal
// window, and prints to a PDF file unless the case takes the pages itself.
class QuietHost final : public platform::Host {
public:
    using JobMaker = std::function<std::unique_ptr<platform::PrintJob>(const platform::PrintJobSetup&)>;
    using ModalStep = std::function<void(platform::Form&)>;

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
    void showBusyCursor(bool) override { }

    int messages() const { return messages_; }
    // What the user does in the next modal windows; without a step a modal window is closed.
    void setModalStep(ModalStep step) { modalStep_ = std::move(step); }
    // Where the next print runs go; without a maker, to the PDF file.
    void setPrintJobs(JobMaker maker) { jobMaker_ = std::move(maker); }

private:
    QString folder_;
    QString pdfPath_;
    int messages_ = 0;
    ModalStep modalStep_;
    JobMaker jobMaker_;
};

// The file dialogs choose the file the case names, and every other dialog is cancelled.
class ChosenFileDialogs final : public platform::DialogBackend {
public:
    void choose(const QString& path) { path_ = path; }

    platform::DialogAnswer<platform::FileChoice> showFileDialog(const platform::FileDialogRequest&) override;
    platform::DialogAnswer<platform::FontChoice> showFontDialog(const platform::FontRequest&) override { return {}; }
    platform::DialogAnswer<platform::ColorChoice> showColorDialog(const platform::ColorRequest&) override { return {}; }
    platform::DialogAnswer<platform::PageSetup> showPageSetupDialog(
        platform::WindowHandle, const platform::PageSetup&) override
    {
        return {};
    }
    platform::DialogEnd showPrintDialog(platform::WindowHandle) override { return {}; }
    platform::DialogAnswer<QString> showFolderDialog(const platform::FolderRequest&) override { return {}; }

private:
    QString path_;
};

// The main window on a database as start-up leaves it: shown (offscreen) at its starting size on
// the given page. The database goes back to where it came from when the window is done.
class BenchWindow {
public:
    enum Page { CustomersPage = 0, BillPeriodsPage = 2, PrintingPage = 3, OptionsPage = 5 };

    BenchWindow(records::Database& database, Page page, const QString& pdfPath = QString());
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    app::MainWindow& operator*() { return *window_; }
    app::MainWindow* operator->() { return window_; }
    QuietHost& host() { return host_; }
    platform::SettingsStore& settings() { return settings_; }
    // The path the next file dialog chooses.
    void chooseFile(const QString& path) { dialogs_.choose(path); }
    // A folder of the window's own, removed with it.
    QString scratchPath(const QString& name) const { return scratch_.filePath(name); }

    // Lets the window catch up with a step: every event it caused, the last repaint included, as
    // the user waits for them before seeing the result. Measured steps count this too.
    static void settle();

private:
    records::Database& database_;
    QTemporaryDir scratch_;
    QuietHost host_;
    ChosenFileDialogs dialogs_;
    platform::SettingsStore settings_;
    app::MainWindow* window_ = nullptr;
};

} // namespace tav::bench
