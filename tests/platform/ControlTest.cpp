#include "platform/Caption.h"
#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/TextBox.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using namespace tav::platform;

TEST(Control, keepsItsOwnVisibleFlagAndTwipsInsideAHiddenContainer)
{
    QWidget window;
    QWidget page(&window);
    page.hide();
    CommandButton button(&page, "cmdAddNew");
    button.move(1680, 135, 390, 480);
    EXPECT_TRUE(button.visible());
    EXPECT_FALSE(button.widget()->isVisible()) << "Qt says hidden, the control's own flag says visible";
    button.setVisible(false);
    EXPECT_FALSE(button.visible());
    EXPECT_EQ(button.left(), 1680);
    EXPECT_EQ(button.widget()->geometry(), QRect(112, 9, 26, 32));
    button.setLeft(-2000);
    EXPECT_EQ(button.left(), -2000);
    EXPECT_EQ(button.widget()->x(), -133);
}

TEST(Control, captionsAreKeptVerbatimAndShownAsTheFormsShowThem)
{
    EXPECT_EQ(displayedCaption("Products && Services"), "Products & Services");
    EXPECT_EQ(displayedCaption("&New Customer"), "New Customer");
    EXPECT_EQ(displayedCaption("line one\r\nline two"), "line one\nline two");
    QWidget window;
    Label label(&window, "lblTop", 1);
    label.setCaption("Products && Services");
    EXPECT_EQ(label.caption(), "Products && Services");
    EXPECT_EQ(static_cast<QLabel*>(label.widget())->text(), "Products & Services");
    label.setCaption("<b>Lee</b>");
    EXPECT_EQ(static_cast<QLabel*>(label.widget())->textFormat(), Qt::PlainText);
    CommandButton button(&window, "cmdUndo");
    button.setCaption("&Delete Existing");
    EXPECT_EQ(button.caption(), "&Delete Existing");
}

TEST(Control, aCheckBoxRaisesClickWheneverItsValueChanges)
{
    QWidget window;
    CheckBox box(&window, "chkExpertMode");
    QSignalSpy clicks(&box, &CheckBox::clicked);
    box.setValue(CheckBox::Checked);
    box.setValue(CheckBox::Checked);
    EXPECT_EQ(clicks.count(), 1);
    box.setValue(CheckBox::Grayed);
    EXPECT_EQ(box.value(), CheckBox::Grayed);
    EXPECT_EQ(clicks.count(), 2);
}

namespace {

// A window of the form runtime with a few controls; a key that several carry, one on a page that
// can be hidden, one whose other carrier is disabled, and a label before a text box.
struct KeyWindow {
    KeyWindow()
    {
        auto add = [&](CommandButton*& button, QWidget* container, const char* name, const char* caption, int tab) {
            button = new CommandButton(container, name);
            button->setCaption(caption);
            button->setTabIndex(tab);
        };
        page = new Frame(form.widget(), "fraPage");
        page->setTabIndex(5);
        add(go, page->widget(), "cmdGo", "&Go", 0);
        add(save, form.widget(), "cmdSave", "&Save", 1);
        add(delete_, form.widget(), "cmdDelete", "&Delete", 2);
        add(done, form.widget(), "cmdDone", "&Done", 3);
        add(send, form.widget(), "cmdSend", "Sen&d it&&&s", 4);
        delete_->setEnabled(false);
        send->setCaption("&Send");
        name = new Label(form.widget(), "lblName");
        name->setCaption("&Name:");
        name->setTabIndex(6);
        text = new TextBox(form.widget(), "txtName");
        text->setTabIndex(7);
        text->setText("Ann");
        for (CommandButton* button : {go, save, delete_, done, send})
            QObject::connect(button, &CommandButton::clicked, [this, button] { clicked << button->name(); });
        form.show();
    }

    void press(int key, Qt::KeyboardModifiers more = Qt::NoModifier)
    {
        QWidget* focused = form.widget()->focusWidget();
        QTest::keyClick(focused ? focused : form.widget(), Qt::Key(key), Qt::AltModifier | more);
    }
    QWidget* focused() const { return form.widget()->focusWidget(); }

    Form form{"frmKeys", Form::BorderStyle::Sizable};
    Frame* page;
    CommandButton* go;
    CommandButton* save;
    CommandButton* delete_;
    CommandButton* done;
    CommandButton* send;
    Label* name;
    TextBox* text;
    QStringList clicked;
};

} // namespace

TEST(AccessKeys, aKeyThatSeveralShownControlsCarryMovesTheFocusInTabOrderAndClicksNothing)
{
    KeyWindow w;
    w.press(Qt::Key_S);
    EXPECT_EQ(w.focused(), w.save->widget());
    w.press(Qt::Key_S);
    EXPECT_EQ(w.focused(), w.send->widget());
    w.press(Qt::Key_S);
    EXPECT_EQ(w.focused(), w.save->widget()) << "after the last, the first";
    w.done->setFocus();
    w.press(Qt::Key_S);
    EXPECT_EQ(w.focused(), w.send->widget()) << "the next after the focused control";
    EXPECT_TRUE(w.clicked.isEmpty());

    // Hidden or disabled, by its own flag or its container's, a control carries no key.
    w.save->setVisible(false);
    w.press(Qt::Key_S);
    w.page->setVisible(false);
    w.press(Qt::Key_G);
    w.page->setVisible(true);
    w.page->setEnabled(false);
    w.press(Qt::Key_G);
    w.page->setEnabled(true);
    w.press(Qt::Key_D);
    w.press(Qt::Key_G);
    EXPECT_EQ(w.clicked, (QStringList{"cmdSend", "cmdDone", "cmdGo"}));
}

TEST(AccessKeys, aLabelsKeyFocusesTheNextControlAndNoAltCombinationTypes)
{
    KeyWindow w;
    w.press(Qt::Key_N);
    EXPECT_EQ(w.focused(), w.text->widget());
    for (const int key : {Qt::Key_Comma, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Slash, Qt::Key_Semicolon, Qt::Key_Z})
        w.press(key);
    w.press(Qt::Key_Exclam, Qt::ShiftModifier);
    EXPECT_EQ(w.text->text(), "Ann");

    // A window it owns has keys of its own.
    Form owned("frmOwned", Form::BorderStyle::FixedSingle, w.form.widget());
    CommandButton other(owned.widget(), "cmdOther");
    other.setCaption("&Go");
    w.press(Qt::Key_G);
    EXPECT_EQ(w.clicked, QStringList{"cmdGo"});
}

TEST(AccessKeys, anOwnedWindowIsADialogOfItsOwnerWideEnoughForItsTitle)
{
    Form owner("frmOwner", Form::BorderStyle::Sizable);
    owner.show();
    Form owned("frmUpdate", Form::BorderStyle::FixedSingle);
    owned.setCaption("   Click DOWNLOAD to begin Auto-Update.");
    owned.setClientSize(4215, 2415);
    owned.setOwner(owner);
    owned.show();
    ASSERT_TRUE(owned.widget()->windowHandle());
    EXPECT_EQ(owned.widget()->windowHandle()->transientParent(), owner.widget()->windowHandle());
    EXPECT_EQ(owned.widget()->windowType(), Qt::Dialog) << "only a dialog is kept with its owner on X11";
    QFont bold = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    bold.setBold(true);
    EXPECT_GT(owned.widget()->width(), QFontMetrics(bold).horizontalAdvance(owned.caption()));
}
