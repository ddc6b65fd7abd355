#include "MainWindowFixture.h"

#include "app/windows/CheckingWindow.h"
#include "app/windows/DeveloperView.h"
#include "app/windows/UpdateWindow.h"
#include "components/MessageWindow.h"
#include "platform/Caption.h"
#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/OptionButton.h"
#include "platform/WrappingButtons.h"
#include "printing/CustomerListOptionsWindow.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

using namespace tav;
using platform::Control;
using test::MainWindowTest;

namespace {

// What a caption needs and where it must fit, both in pixels.
struct Room {
    QString text;
    QRect area;
    bool wraps = false;
};

QRect radioTextArea(QRadioButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &button);
}

QRect groupTitleArea(QGroupBox& box)
{
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
}

// The room of a control's fixed caption, or nothing for a control without one or one that sizes
// itself to its text.
std::optional<Room> roomOf(const Control& control)
{
    if (const auto* label = qobject_cast<const platform::Label*>(&control)) {
        const auto* widget = static_cast<const QLabel*>(label->widget());
        // A label that sizes itself to its text must still fit its window.
        if (label->autoSize())
            return Room{widget->text(), widget->geometry().intersected(widget->parentWidget()->rect())};
        return Room{widget->text(), widget->contentsRect(), widget->wordWrap()};
    }
    if (const auto* button = qobject_cast<const platform::CommandButton*>(&control)) {
        auto* widget = static_cast<platform::WrappingPushButton*>(button->widget());
        return Room{platform::displayedCaption(button->caption()), widget->captionArea(), true};
    }
    if (const auto* box = qobject_cast<const platform::CheckBox*>(&control)) {
        auto* widget = static_cast<platform::WrappingCheckBox*>(box->widget());
        return Room{platform::displayedCaption(box->caption()), widget->captionArea(), true};
    }
    if (const auto* option = qobject_cast<const platform::OptionButton*>(&control)) {
        auto* widget = static_cast<QRadioButton*>(option->widget());
        return Room{platform::displayedCaption(option->caption()), radioTextArea(*widget)};
    }
    if (const auto* frame = qobject_cast<const platform::Frame*>(&control)) {
        auto* widget = static_cast<QGroupBox*>(frame->widget());
        if (frame->caption().isEmpty())
            return std::nullopt;
        // The title's own rectangle follows its text; it must stay inside the frame.
        const QRect title = groupTitleArea(*widget);
        return Room{platform::displayedCaption(frame->caption()), title.intersected(widget->rect())};
    }
    return std::nullopt;
}

// Every control of the window whose caption does not show whole in the control's font, a line
// each: "name: caption (needs W x H, has W x H)".
std::string cutCaptions(QWidget* window)
{
    QStringList cut;
    window->ensurePolished();
    for (const Control* control : window->findChildren<Control*>()) {
        control->widget()->ensurePolished();
        const std::optional<Room> room = roomOf(*control);
        if (!room || room->text.isEmpty())
            continue;
        const QFontMetrics metrics(control->widget()->font());
        const QRect needed = room->wraps
            ? metrics.boundingRect(QRect(QPoint(0, 0), QSize(room->area.width(), 10000)), Qt::TextWordWrap, room->text)
            : metrics.boundingRect(QRect(), Qt::AlignLeft, room->text);
        if (needed.width() > room->area.width() || needed.height() > room->area.height()) {
            cut << QStringLiteral("%1: %2 (needs %3 x %4, has %5 x %6)")
                       .arg(control->widget()->objectName(), room->text)
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(room->area.width())
                       .arg(room->area.height());
        }
    }
    return cut.join('\n').toStdString();
}

// The controls of the window that draw in another font than the window's, a line each, other than
// the named ones, whose design gives them a font of their own.
std::string foreignFonts(QWidget* window, const QStringList& ownFonts)
{
    QStringList foreign;
    window->ensurePolished();
    const QFontInfo windowFont(window->font());
    for (const Control* control : window->findChildren<Control*>()) {
        if (ownFonts.contains(control->name()))
            continue;
        control->widget()->ensurePolished();
        const QFontInfo font(control->widget()->font());
        if (font.family() != windowFont.family() || font.pointSizeF() != windowFont.pointSizeF())
            foreign << control->widget()->objectName() + ": " + font.family() + " "
                    + QString::number(font.pointSizeF());
    }
    return foreign.join('\n').toStdString();
}

std::string familyOf(const QWidget* window)
{
    return QFontInfo(window->font()).family().toStdString();
}

} // namespace

TEST_F(MainWindowTest, everyControlOfThePagesDrawsInTheWindowsFont)
{
    start();
    window->widget()->show();
    EXPECT_EQ(familyOf(window->widget()), "Liberation Sans") << "Arial, or the font drawn in its place";
    EXPECT_EQ(foreignFonts(window->widget(), {"lblTop", "cmdTab"}), "");
}

TEST_F(MainWindowTest, everyCaptionOfEveryPageShowsWholeInTheWindowsFont)
{
    // September is the longest month name of the new period's example.
    test::scriptedHost().setNow(QDateTime(QDate(2026, 9, 30), QTime(12, 0)));
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    EXPECT_EQ(cutCaptions(window->widget()), "") << "at start";

    // The captions that change with the pages' modes.
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    EXPECT_EQ(window->billPeriodsPage().controls().lblBillPeriodName->caption(), "Bill Period Name:");
    EXPECT_EQ(cutCaptions(window->widget()), "") << "composing a bill period";
    window->billPeriodsPage().controls().cmdCancelNewBP->click();
    window->customersPage().controls().cmdSearch->click();
    window->optionsPage().controls().chkExpertMode->setValue(platform::CheckBox::Checked);
    EXPECT_EQ(cutCaptions(window->widget()), "") << "searching, in expert mode";
}

TEST_F(MainWindowTest, everyCaptionOfTheSecondaryWindowsShowsWhole)
{
    start();
    components::MessageRequest request{"A question\r\nof two lines?", "Key", "No", ""};
    components::MessageWindow message(request);
    printing::CustomerListOptionsWindow listOptions(window->books().data().customers, window->widget());
    app::DeveloperView developerView(window->books().data());
    app::CheckingWindow checking;
    app::UpdateWindow update(*window);
    const platform::Form* forms[] = {&message, &listOptions, &developerView, &checking, &update};
    for (const platform::Form* form : forms) {
        EXPECT_EQ(cutCaptions(form->widget()), "") << form->name().toStdString();
        EXPECT_EQ(familyOf(form->widget()), familyOf(window->widget())) << form->name().toStdString();
    }
    EXPECT_EQ(foreignFonts(message.widget(), {"cmdYes", "cmdNo", "cmdOkay", "lblMessage"}), "");

    // The longest message there is: the explanation before closing the books.
    std::string cutInExplanation = "not shown";
    test::scriptedHost().answerModal([&](platform::Form& form) {
        cutInExplanation = cutCaptions(form.widget());
        static_cast<components::MessageWindow&>(form).cmdNo->click();
    });
    window->optionsPage().controls().cmdCloseBooks[4]->click();
    EXPECT_EQ(cutInExplanation, "");
}
