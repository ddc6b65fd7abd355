#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <memory>
#include <optional>

namespace tav::platform {

class Form;
class PrintJob;
struct PrintJobSetup;

// YesNoDefaultNo: Yes and No with No as the default button, for a question whose Yes writes over
// something that cannot be had back.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoDefaultNo, YesNoCancel };
enum class MessageIcon { None, Exclamation, Information, Question, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct AppVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// Everything the program asks of the desktop and the operating system goes through one host,
// so that tests can answer prompts from a script and run without a display.
class Host {
public:
    virtual ~Host() = default;

    virtual MessageAnswer messageBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                                     const QString& title) = 0;
    // The typed text, or the empty text when the user cancels. A position, when given, is the
    // box's top-left corner on the screen in twips.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                             std::optional<QPointF> positionTwips = std::nullopt) = 0;
    // Shows a pop-up menu at the pointer; the chosen item's index, or -1 when none was chosen.
    virtual int popupMenu(const QStringList& captions) = 0;
    // Shows a window modally; returns once the window has been unloaded.
    virtual void runModal(Form& form) = 0;
    // Queues one key press for the focused control; it arrives after the current handler returns.
    virtual void sendKey(int qtKey) = 0;
    // Starts one print run on the default printer (or a PDF file in its place).
    virtual std::unique_ptr<PrintJob> openPrintJob(const PrintJobSetup& setup) = 0;
    // Shows the busy cursor over every window, or the normal one again; BusyCursor says when.
    // While it shows, each prompt above shows the normal cursor until it is answered.
    virtual void showBusyCursor(bool busy) = 0;

    // True when another instance of the program runs for this user. The first caller that gets
    // false holds the instance lock until the process ends.
    virtual bool previousInstanceRunning() = 0;
    virtual QString programFolder() const = 0;
    virtual QDateTime now() const = 0;
    // The user's locale, from which the date pattern and the currency form are worked out.
    virtual QLocale locale() const = 0;

    // Fetches an address whole while the user's input to every window waits. Nothing when the
    // transfer fails, the server answers with an error status, the time limit passes first or the
    // answer would be longer than sizeLimit bytes.
    virtual std::optional<QByteArray> download(const QUrl& url, std::chrono::milliseconds timeLimit,
                                               qint64 sizeLimit) = 0;
    // Hands a file to the application the desktop associates with it; false when it could not.
    virtual bool openWithDefaultApplication(const QString& path) = 0;
    // Starts a program that lives on by itself, in the given working folder; false when it could
    // not be started.
    virtual bool startDetached(const QString& program, const QString& workingFolder) = 0;

    QString appTitle() const { return QStringLiteral("TAV"); }
    AppVersion appVersion() const;

protected:
    // Delivers one key press and release to the focused control once control is back in the
    // event loop.
    static void postKeyToFocusedControl(int qtKey);
};

// The host and settings store the running program uses. Both are installed once at start-up
// (and afresh for every test); neither is owned here.
Host& host();
void installHost(Host* host);

class SettingsStore;
SettingsStore& settings();
void installSettings(SettingsStore* store);

} // namespace tav::platform
