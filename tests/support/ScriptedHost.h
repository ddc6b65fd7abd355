#pragma once

#include "platform/Host.h"
#include "platform/PrintJob.h"

#include <QDir>
#include <deque>
#include <functional>
#include <vector>

namespace tav::test {

// A host that answers every prompt from a script queued by the test, records every prompt it was
// shown, and fails the test on a prompt that the script did not expect.
class ScriptedHost : public platform::Host {
public:
    enum class PromptKind { MessageBox, InputBox, Modal, PopupMenu };

    struct Prompt {
        PromptKind kind;
        QString text;
        QString title;
        platform::MessageButtons buttons = platform::MessageButtons::Ok;
        platform::MessageIcon icon = platform::MessageIcon::None;
        // Whether the program showed the busy cursor as it asked: it was in the midst of an
        // operation that takes more than a moment.
        bool whileBusy = false;
    };

    explicit ScriptedHost(QString programFolder);
    ~ScriptedHost() override;

    // The script, answered in order.
    void answerMessageBox(platform::MessageAnswer answer);
    void answerInputBox(const QString& typed);
    // The index of the menu item the user chooses, -1 for none.
    void answerPopupMenu(int chosen);
    // The step plays the user's part in a modal window (ticks a box, presses a button).
    void answerModal(std::function<void(platform::Form&)> step);

    const std::vector<Prompt>& prompts() const { return prompts_; }
    const Prompt& lastPrompt() const;
    bool scriptDone() const { return script_.empty(); }
    const std::vector<int>& sentKeys() const { return sentKeys_; }

    // Downloads reach the loopback address only (a test fails on any other) and wait no longer
    // than this, whatever time limit the program asks for.
    void setDownloadTimeLimit(std::chrono::milliseconds limit) { downloadTimeLimit_ = limit; }
    struct Download {
        QUrl url;
        std::chrono::milliseconds timeLimit;
    };
    const std::vector<Download>& downloads() const { return downloads_; }
    // Files handed to the desktop's default application; none is really opened. From
    // refuseOpening() on, the desktop has no application for any of them.
    const QStringList& openedFiles() const { return openedFiles_; }
    void refuseOpening() { openingRefused_ = true; }
    // Programs the program started (really started; a test fails on one outside the program
    // folder).
    const QStringList& startedPrograms() const { return startedPrograms_; }
    // What each print run sent, in order.
    struct PrintRun {
        platform::PrintJobSetup setup;
        std::vector<platform::Page> pages;
        bool finished = false;
    };
    const std::vector<PrintRun>& printRuns() const { return printRuns_; }
    // Print runs from now on end this way; one that fails takes no page.
    void setPrintOutcome(const platform::PrintOutcome& outcome) { printOutcome_ = outcome; }
    // Called as each page of the print runs from now on reaches its job.
    void watchPrintedPages(std::function<void()> watcher) { pageWatcher_ = std::move(watcher); }
    // Print runs from now on go to the system's printer (or TAV_PRINT_TO_PDF) instead.
    void printForReal() { printForReal_ = true; }

    // Whether the busy cursor shows now, and how many times it was shown so far.
    bool busy() const { return busy_; }
    int busySpells() const { return busySpells_; }

    void setNow(const QDateTime& now) { now_ = now; }
    void setAnotherInstanceRunning(bool running) { anotherInstance_ = running; }

    platform::MessageAnswer messageBox(const QString& text, platform::MessageButtons buttons,
                                       platform::MessageIcon icon, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     std::optional<QPointF> positionTwips) override;
    int popupMenu(const QStringList& captions) override;
    void runModal(platform::Form& form) override;
    void sendKey(int qtKey) override;
    std::unique_ptr<platform::PrintJob> openPrintJob(const platform::PrintJobSetup& setup) override;
    void showBusyCursor(bool busy) override;
    bool previousInstanceRunning() override { return anotherInstance_; }
    QString programFolder() const override { return programFolder_; }
    QDateTime now() const override { return now_; }
    // The default locale, as on the desktop: a test makes another the user's with UserLocale.
    QLocale locale() const override { return QLocale(); }
    std::optional<QByteArray> download(const QUrl& url, std::chrono::milliseconds timeLimit, qint64 sizeLimit) override;
    bool openWithDefaultApplication(const QString& path) override;
    bool startDetached(const QString& program, const QString& workingFolder) override;

private:
    struct Step {
        PromptKind kind;
        platform::MessageAnswer answer = platform::MessageAnswer::Cancel;
        QString typed;
        int chosen = -1;
        std::function<void(platform::Form&)> modalStep;
    };

    // The next step of the script when it is of the given kind; records a failure otherwise.
    std::optional<Step> nextStep(PromptKind kind, const Prompt& prompt);

    QString programFolder_;
    QDateTime now_;
    bool anotherInstance_ = false;
    std::deque<Step> script_;
    std::vector<Prompt> prompts_;
    std::vector<int> sentKeys_;
    std::chrono::milliseconds downloadTimeLimit_{2000};
    std::vector<Download> downloads_;
    QStringList openedFiles_;
    bool openingRefused_ = false;
    QStringList startedPrograms_;
    std::vector<PrintRun> printRuns_;
    platform::PrintOutcome printOutcome_;
    std::function<void()> pageWatcher_;
    bool printForReal_ = false;
    bool busy_ = false;
    int busySpells_ = 0;
};

} // namespace tav::test
