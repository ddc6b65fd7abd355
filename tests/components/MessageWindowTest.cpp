#include "components/MessageWindow.h"
#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace tav::components;
using tav::platform::CheckBox;
using tav::platform::Form;
using tav::test::scriptedHost;

namespace {

// Plays the user's part: optionally ticks the box, then presses the named button.
void press(Form& form, const char* button, bool tick, MessageWindow** seen = nullptr)
{
    auto& window = static_cast<MessageWindow&>(form);
    if (seen)
        *seen = &window;
    if (tick)
        window.chkDontShow->setValue(CheckBox::Checked);
    if (QString(button) == "Yes")
        window.cmdYes->click();
    else if (QString(button) == "No")
        window.cmdNo->click();
    else if (QString(button) == "Okay")
        window.cmdOkay->click();
    else
        window.widget()->close(); // the close box
}

} // namespace

TEST(MessageWindow, showsYesAndNoUnlessTheButtonsAreExactlyOK)
{
    for (const char* buttons : {"", "ok", "Yes"}) {
        MessageRequest request{"Question?", "Key", "No", buttons};
        bool yesShown = false;
        bool okayShown = true;
        scriptedHost().answerModal([&](Form& form) {
            auto& window = static_cast<MessageWindow&>(form);
            yesShown = window.cmdYes->visible() && window.cmdNo->visible();
            okayShown = window.cmdOkay->visible();
            window.cmdYes->click();
        });
        showMessage(request);
        EXPECT_TRUE(yesShown) << buttons;
        EXPECT_FALSE(okayShown) << buttons;
        EXPECT_EQ(request.answer, "Yes");
    }
    MessageRequest notice{"Notice", "DeletedCustomer", "Yes", "OK"};
    bool okayOnly = false;
    scriptedHost().answerModal([&](Form& form) {
        auto& window = static_cast<MessageWindow&>(form);
        okayOnly = window.cmdOkay->visible() && !window.cmdYes->visible() && !window.cmdNo->visible();
        window.cmdOkay->click();
    });
    showMessage(notice);
    EXPECT_TRUE(okayOnly);
    EXPECT_EQ(notice.answer, "OK");
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Quobilla Message");
}

TEST(MessageWindow, theCloseBoxKeepsTheDefaultAnswerAndATickedBoxSilencesTheKey)
{
    MessageRequest request{"Close the books?", "DontShowExplanationOfClosingBooks", "No", ""};
    scriptedHost().answerModal([](Form& form) { press(form, "close", false); });
    showMessage(request);
    EXPECT_EQ(request.answer, "No");
    EXPECT_FALSE(isMessageSilenced("DontShowExplanationOfClosingBooks"));

    scriptedHost().answerModal([](Form& form) { press(form, "No", true); });
    showMessage(request);
    EXPECT_EQ(request.answer, "No");
    EXPECT_EQ(tav::platform::settings().value("Messages", "DontShowExplanationOfClosingBooks"), "True");
    EXPECT_TRUE(isMessageSilenced("DontShowExplanationOfClosingBooks"));

    MessageRequest notice{"Customer deleted.", "DeletedCustomer", "Yes", "OK"};
    scriptedHost().answerModal([](Form& form) { press(form, "close", true); });
    showMessage(notice);
    EXPECT_TRUE(isMessageSilenced("DeletedCustomer")) << "the close box keeps the tick too";

    tav::platform::settings().setValue("Messages", "DeletedCustomer", "TRUE");
    EXPECT_TRUE(isMessageSilenced("DeletedCustomer"));
    EXPECT_FALSE(isMessageSilenced("DontShowNeedToFillCompanyInfo"));
}

TEST(MessageWindow, theTextIsCentredAboveTheButtonsLineByLine)
{
    QStringList lines;
    for (int i = 0; i < 8; ++i)
        lines << QString("Line %1 of the explanation && more").arg(i);
    lines.insert(6, "");
    MessageRequest request{lines.join("\r\n"), "Key", "No", ""};
    MessageWindow* window = nullptr;
    double left = 0, top = 0, width = 0, height = 0;
    QString shown;
    scriptedHost().answerModal([&](Form& form) {
        window = &static_cast<MessageWindow&>(form);
        left = window->lblMessage->left();
        top = window->lblMessage->top();
        width = window->lblMessage->width();
        height = window->lblMessage->height();
        shown = static_cast<QLabel*>(window->lblMessage->widget())->text();
        press(form, "Yes", false);
    });
    showMessage(request);
    EXPECT_NEAR(left + width / 2, 3007.5, 15);
    EXPECT_NEAR(top + height / 2, 1140, 15);
    EXPECT_EQ(shown.count('\n'), 8);
    EXPECT_FALSE(shown.contains("&&"));
    EXPECT_TRUE(shown.contains("explanation & more"));
}

TEST(MessageWindow, itsButtonsAnswerTheirAccessKeysAndEnterWhileFocused)
{
    MessageRequest request{"Question?", "Key", "Yes", ""};
    scriptedHost().answerModal([](Form& form) {
        auto& window = static_cast<MessageWindow&>(form);
        window.show();
        QTest::keyClick(window.cmdYes->widget(), Qt::Key_N, Qt::AltModifier);
    });
    showMessage(request);
    EXPECT_EQ(request.answer, "No");

    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        request.answer = "Yes";
        scriptedHost().answerModal([enter](Form& form) {
            auto& window = static_cast<MessageWindow&>(form);
            window.show();
            window.cmdNo->setFocus();
            QTest::keyClick(window.cmdNo->widget(), enter);
        });
        showMessage(request);
        EXPECT_EQ(request.answer, "No") << enter;
    }
}

TEST(MessageWindow, keepsItsSizeWithoutAMaximizeBox)
{
    MessageRequest request{"Question?", "Key", "Yes", ""};
    QSize shown;
    QSize afterResize;
    Qt::WindowFlags flags;
    scriptedHost().answerModal([&](Form& form) {
        form.show();
        QWidget* window = form.widget();
        shown = window->size();
        flags = window->windowFlags();
        window->resize(shown * 2);
        afterResize = window->size();
        press(form, "Yes", false);
    });
    showMessage(request);
    EXPECT_EQ(shown, QSize(401, 225)) << "the client area of 6015 x 3375 twips";
    EXPECT_EQ(afterResize, shown);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
}
