#pragma once

#include "platform/Form.h"

#include <QString>

namespace tav::platform {
class CheckBox;
class CommandButton;
class Label;
} // namespace tav::platform

namespace tav::components {

// A notice or question that the user may silence for good with "Don't Show this Message Again.".
struct MessageRequest {
    // Lines separated by CR LF; "&&" shows one ampersand.
    QString text;
    // The key in section "Messages" that silences this message.
    QString key;
    // Going in: the caller's default answer. Coming out: "Yes", "No" or "OK" for the button
    // pressed, or still the default when the window was closed another way.
    QString answer;
    // "OK" (exactly) gives the single button Okay; anything else Yes and No.
    QString buttons;
};

// Whether the user silenced the message with this key.
bool isMessageSilenced(const QString& key);

// Shows the message window modally and returns once it has closed.
void showMessage(MessageRequest& request);

// The program's own message box. It is loaded afresh for every request and unloads itself when a
// button is pressed or the window is closed.
class MessageWindow : public platform::Form {
    Q_OBJECT

public:
    explicit MessageWindow(MessageRequest& request);

    platform::CommandButton* cmdYes;
    platform::CommandButton* cmdNo;
    platform::CommandButton* cmdOkay;
    platform::CheckBox* chkDontShow;
    platform::Label* lblMessage;

protected:
    void onUnload(bool& cancel) override;

private:
    void answer(const QString& answer);

    MessageRequest& request_;
};

} // namespace tav::components
