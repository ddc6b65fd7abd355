#include "ScriptedHost.h"

#include "platform/Form.h"
#include "platform/UrlDownload.h"
#include "platform/QtPrintJob.h"

#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>

namespace tav::test {

using platform::MessageAnswer;

namespace {

const char* kindName(ScriptedHost::PromptKind kind)
{
    switch (kind) {
    case ScriptedHost::PromptKind::MessageBox: return "message box";
    case ScriptedHost::PromptKind::InputBox: return "input box";
    case ScriptedHost::PromptKind::Modal: return "modal window";
    case ScriptedHost::PromptKind::PopupMenu: return "pop-up menu";
    }
    return "prompt";
}

// Keeps the pages of one run in the host's record and ends as the host was told to.
class RecordingPrintJob : public platform::PrintJob {
public:
    RecordingPrintJob(
        std::vector<ScriptedHost::PrintRun>& runs, platform::PrintOutcome outcome, std::function<void()> pageWatcher)
        : runs_(runs)
        , run_(runs.size() - 1)
        , outcome_(std::move(outcome))
        , pageWatcher_(std::move(pageWatcher))
    {
    }

    bool printPage(const platform::Page& page) override
    {
        if (!outcome_.failure.isEmpty())
            return false;
        runs_[run_].pages.push_back(page);
        if (pageWatcher_)
            pageWatcher_();
        return true;
    }

    platform::PrintOutcome finish() override
    {
        runs_[run_].finished = true;
        return outcome_;
    }

private:
    std::vector<ScriptedHost::PrintRun>& runs_;
    size_t run_;
    platform::PrintOutcome outcome_;
    std::function<void()> pageWatcher_;
};

} // namespace

ScriptedHost::ScriptedHost(QString programFolder)
    : programFolder_(std::move(programFolder))
    , now_(QDateTime(QDate(2026, 12, 9), QTime(10, 0)))
{
}

ScriptedHost::~ScriptedHost() = default;

void ScriptedHost::answerMessageBox(MessageAnswer answer)
{
    script_.push_back(Step{PromptKind::MessageBox, answer, {}, -1, {}});
}

void ScriptedHost::answerInputBox(const QString& typed)
{
    script_.push_back(Step{PromptKind::InputBox, MessageAnswer::Ok, typed, -1, {}});
}

void ScriptedHost::answerPopupMenu(int chosen)
{
    script_.push_back(Step{PromptKind::PopupMenu, MessageAnswer::Ok, {}, chosen, {}});
}

void ScriptedHost::answerModal(std::function<void(platform::Form&)> step)
{
    script_.push_back(Step{PromptKind::Modal, MessageAnswer::Ok, {}, -1, std::move(step)});
}

const ScriptedHost::Prompt& ScriptedHost::lastPrompt() const
{
    static const Prompt none{PromptKind::MessageBox, {}, {}};
    return prompts_.empty() ? none : prompts_.back();
}

std::optional<ScriptedHost::Step> ScriptedHost::nextStep(PromptKind kind, const Prompt& prompt)
{
    prompts_.push_back(prompt);
    prompts_.back().whileBusy = busy_;
    if (script_.empty() || script_.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << " titled \"" << prompt.title.toStdString()
                      << "\": " << prompt.text.toStdString();
        return std::nullopt;
    }
    Step step = std::move(script_.front());
    script_.pop_front();
    return step;
}

MessageAnswer ScriptedHost::messageBox(const QString& text, platform::MessageButtons buttons,
                                       platform::MessageIcon icon, const QString& title)
{
    const auto step = nextStep(PromptKind::MessageBox, Prompt{PromptKind::MessageBox, text, title, buttons, icon});
    return step ? step->answer : MessageAnswer::Cancel;
}

QString ScriptedHost::inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                               std::optional<QPointF> positionTwips)
{
    Q_UNUSED(defaultText);
    Q_UNUSED(positionTwips);
    const auto step = nextStep(PromptKind::InputBox, Prompt{PromptKind::InputBox, prompt, title});
    return step ? step->typed : QString();
}

int ScriptedHost::popupMenu(const QStringList& captions)
{
    const auto step
        = nextStep(PromptKind::PopupMenu, Prompt { PromptKind::PopupMenu, captions.join(QLatin1Char('\n')), {} });
    return step ? step->chosen : -1;
}

void ScriptedHost::runModal(platform::Form& form)
{
    const auto step = nextStep(PromptKind::Modal, Prompt{PromptKind::Modal, {}, form.caption()});
    if (step) {
        step->modalStep(form);
        if (!form.unloaded())
            ADD_FAILURE() << "the modal window \"" << form.caption().toStdString() << "\" was left open";
    }
    if (!form.unloaded())
        form.unload();
}

std::unique_ptr<platform::PrintJob> ScriptedHost::openPrintJob(const platform::PrintJobSetup& setup)
{
    if (printForReal_)
        return platform::openSystemPrintJob(setup, now_, locale());
    printRuns_.push_back(PrintRun{setup, {}, false});
    return std::make_unique<RecordingPrintJob>(printRuns_, printOutcome_, pageWatcher_);
}

void ScriptedHost::showBusyCursor(bool busy)
{
    if (busy == busy_)
        ADD_FAILURE() << "the busy cursor was " << (busy ? "shown" : "taken away") << " twice in a row";
    busy_ = busy;
    busySpells_ += busy;
}

void ScriptedHost::sendKey(int qtKey)
{
    sentKeys_.push_back(qtKey);
    postKeyToFocusedControl(qtKey);
}

std::optional<QByteArray> ScriptedHost::download(const QUrl& url, std::chrono::milliseconds timeLimit, qint64 sizeLimit)
{
    downloads_.push_back(Download{url, timeLimit});
    if (!QHostAddress(url.host()).isLoopback()) {
        ADD_FAILURE() << "a download from " << url.toString().toStdString() << ", beyond the loopback address";
        return std::nullopt;
    }
    return platform::downloadWhole(url, std::min(timeLimit, downloadTimeLimit_), sizeLimit);
}

bool ScriptedHost::openWithDefaultApplication(const QString& path)
{
    if (openingRefused_)
        return false;
    openedFiles_.push_back(path);
    return true;
}

bool ScriptedHost::startDetached(const QString& program, const QString& workingFolder)
{
    startedPrograms_.push_back(program);
    if (QFileInfo(program).absolutePath() != QFileInfo(programFolder_).absoluteFilePath()) {
        ADD_FAILURE() << "a program started from outside the program folder: " << program.toStdString();
        return false;
    }
    return QProcess::startDetached(program, {}, workingFolder);
}

} // namespace tav::test
