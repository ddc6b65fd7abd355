#include "MessageWindow.h"

#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/ModalOwner.h"
#include "platform/SettingsStore.h"

#include <QWidget>

namespace tav::components {

using namespace tav::platform;

namespace {

const QString kSection = QStringLiteral("Messages");
constexpr double kClientWidth = 6015;
constexpr double kClientHeight = 3375;
constexpr double kButtonTop = 2280;

CommandButton* makeButton(QWidget* container, const char* name, const char* caption, double left, int tabIndex)
{
    auto* button = new CommandButton(container, QLatin1String(name));
    button->setCaption(QLatin1String(caption));
    button->move(left, kButtonTop, 1215, 495);
    button->setFont(QStringLiteral("Tahoma"), 9, true);
    button->setTabIndex(tabIndex);
    button->setVisible(false);
    return button;
}

} // namespace

bool isMessageSilenced(const QString& key)
{
    return platform::settings().value(kSection, key).toLower() == QLatin1String("true");
}

void showMessage(MessageRequest& request)
{
    host().runModal(*new MessageWindow(request));
}

MessageWindow::MessageWindow(MessageRequest& request)
    : Form(QStringLiteral("frmMessage"), BorderStyle::FixedSingle, modalOwner())
    , request_(request)
{
    setCaption(QStringLiteral("Quobilla Message"));
    setClientSize(kClientWidth, kClientHeight);
    QWidget* area = widget();

    cmdYes = makeButton(area, "cmdYes", "&Yes", 1680, 0);
    cmdNo = makeButton(area, "cmdNo", "&No", 3120, 1);
    chkDontShow = new CheckBox(area, QStringLiteral("chkDontShow"));
    chkDontShow->setCaption(QStringLiteral("Don't Show this Message Again."));
    chkDontShow->move(120, 3000, 3375, 255);
    chkDontShow->setTabIndex(2);
    lblMessage = new Label(area, QStringLiteral("lblMessage"));
    lblMessage->setFont(QStringLiteral("Tahoma"), 9, true);
    lblMessage->setAlignment(Label::Alignment::Center);
    lblMessage->setTabIndex(3);
    cmdOkay = makeButton(area, "cmdOkay", "&Okay", 2400, 4);
    QWidget::setTabOrder(cmdYes->widget(), cmdNo->widget());
    QWidget::setTabOrder(cmdNo->widget(), chkDontShow->widget());
    QWidget::setTabOrder(chkDontShow->widget(), cmdOkay->widget());

    // Load: the buttons of the request, and the text centred above them.
    if (request_.buttons == QLatin1String("OK")) {
        cmdOkay->setVisible(true);
    } else {
        cmdYes->setVisible(true);
        cmdNo->setVisible(true);
    }
    lblMessage->setVisible(false);
    lblMessage->setAutoSize(true);
    lblMessage->setCaption(request_.text);
    lblMessage->setLeft((kClientWidth - lblMessage->width()) / 2);
    lblMessage->setTop((kButtonTop - lblMessage->height()) / 2);
    lblMessage->setVisible(true);

    connect(cmdYes, &CommandButton::clicked, this, [this] { answer(QStringLiteral("Yes")); });
    connect(cmdNo, &CommandButton::clicked, this, [this] { answer(QStringLiteral("No")); });
    connect(cmdOkay, &CommandButton::clicked, this, [this] { answer(QStringLiteral("OK")); });
}

void MessageWindow::answer(const QString& answer)
{
    request_.answer = answer;
    unload();
}

void MessageWindow::onUnload(bool& cancel)
{
    Q_UNUSED(cancel);
    if (chkDontShow->value() != CheckBox::Unchecked)
        platform::settings().setValue(kSection, request_.key, QStringLiteral("True"));
}

} // namespace tav::components
