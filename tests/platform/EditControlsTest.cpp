#include "platform/ComboBox.h"
#include "platform/ListingBox.h"
#include "platform/OptionButton.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "support/TreeState.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tav::platform;
using tav::test::treeState;

namespace {

// A node as a tree is told it: where it goes and how it looks.
struct NodeDesign {
    QString parent;
    QString key;
    QString text;
    ColorValue color = SystemColor::WindowText;
    bool checked = false;
    bool expanded = false;
};

void fill(TreeView& tree, const std::vector<NodeDesign>& nodes)
{
    for (const NodeDesign& node : nodes) {
        tree.add(node.parent, node.key, node.text);
        tree.setForeColor(node.key, node.color);
        tree.setChecked(node.key, node.checked);
        tree.setExpanded(node.key, node.expanded);
    }
}

// The tree as a new one told the same is.
QStringList builtAnew(const std::vector<NodeDesign>& nodes)
{
    QWidget window;
    TreeView tree(&window, "tvwInvoiceRecords", 1);
    tree.move(0, 0, 4500, 3000);
    tree.setCheckBoxes(true);
    fill(tree, nodes);
    return treeState(tree);
}

} // namespace

TEST(TextBox, changeIsRaisedOnlyWhenTheTextReallyChanges)
{
    QWidget window;
    TextBox box(&window, "txtField", 0);
    QSignalSpy changes(&box, &TextBox::changed);
    box.setText("Ann");
    box.setText("Ann");
    EXPECT_EQ(changes.count(), 1);
    box.setTag("stored");
    EXPECT_EQ(box.tag(), "stored");
    EXPECT_EQ(changes.count(), 1) << "the tag is invisible and raises nothing";

    window.show();
    auto* edit = static_cast<QLineEdit*>(box.widget());
    edit->setFocus();
    EXPECT_EQ(edit->cursorPosition(), 0) << "a filled box shows the start of its text";
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_E);
    EXPECT_EQ(box.text(), "Anne");
    EXPECT_EQ(changes.count(), 2);
}

TEST(TextBox, theMaximumLengthLimitsTypingButNotCode)
{
    QWidget window;
    TextBox box(&window, "txtField", 0);
    box.setMaxLength(4);
    box.setText("longer than four");
    EXPECT_EQ(box.text(), "longer than four");

    box.setText("abc");
    window.show();
    auto* edit = static_cast<QLineEdit*>(box.widget());
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, "defg");
    EXPECT_EQ(box.text(), "abcd");
    EXPECT_EQ(edit->text(), "abcd");

    box.setLocked(true);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "abcd");
}

TEST(TextBox, aMultiLineBoxKeepsItsLineBreaks)
{
    QWidget window;
    TextBox notes(&window, "txtField", 7, TextBox::Lines::Multi);
    notes.setText("first\r\nsecond");
    EXPECT_EQ(notes.text(), "first\r\nsecond");
    EXPECT_TRUE(notes.multiLine());

    window.show();
    auto* editor = static_cast<QPlainTextEdit*>(notes.widget());
    editor->setFocus();
    editor->moveCursor(QTextCursor::End);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, "third");
    EXPECT_EQ(editor->document()->blockCount(), 3);
    EXPECT_EQ(notes.text(), "first\r\nsecond\r\nthird");
}

namespace {

// A listing of a million numbered lines that counts the lines it was asked for.
class NumberedLines final : public ListingLines {
public:
    explicit NumberedLines(qsizetype& made)
        : made_(made)
    {
    }
    qsizetype count() const override { return 1'000'000; }
    QString line(qsizetype index) const override
    {
        ++made_;
        return "line " + QString::number(index);
    }

private:
    qsizetype& made_;
};

} // namespace

TEST(ListingBox, aListingMakesOnlyTheLinesInViewAndIsLockedButCopied)
{
    QWidget window;
    ListingBox box(&window, "Text1");
    box.move(0, 0, 4455, 2055);
    box.setText("Check One of the Four Hidden LVWs to See Its Contents\r\n");
    EXPECT_EQ(box.lines().count(), 1);
    EXPECT_EQ(box.lines().line(0), "Check One of the Four Hidden LVWs to See Its Contents");
    EXPECT_EQ(box.text(), "Check One of the Four Hidden LVWs to See Its Contents\r\n");
    box.setText("a\r\n\r\nc");
    EXPECT_EQ(box.lines().count(), 3);
    EXPECT_EQ(box.lines().line(1), "");
    EXPECT_EQ(box.lines().line(2), "c");

    qsizetype made = 0;
    box.setLines(std::make_unique<NumberedLines>(made));
    window.show();
    QWidget* view = box.widget();
    view->setFocus();
    QCoreApplication::processEvents();
    EXPECT_GT(made, 0);
    EXPECT_LT(made, 100) << "the lines in view, not the million";

    made = 0;
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_X);
    view->repaint();
    EXPECT_LT(made, 100);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "line 999998\r\nline 999999\r\n")
        << "the selected lines, and nothing typed";
}

TEST(TreeView, aTreeOutOfViewIsFilledOnceItComesIntoViewOrIsUsed)
{
    QWidget window;
    TreeView tree(&window, "tvwInvoiceRecords", 1);
    int fills = 0;
    const auto fill = [&] {
        ++fills;
        const TreeView::Refill refill(tree);
        tree.add(QString(), "root_node", "January");
    };
    tree.refillWhenShown(fill);
    EXPECT_EQ(fills, 0);
    EXPECT_TRUE(tree.waitsToBeFilled());
    EXPECT_EQ(tree.text("root_node"), "January") << "filled when used";
    EXPECT_EQ(fills, 1);
    EXPECT_FALSE(tree.waitsToBeFilled());

    tree.refillWhenShown(fill);
    tree.clear();
    EXPECT_EQ(tree.nodeCount(), 0) << "clearing drops the fill";
    tree.refillWhenShown(fill);
    {
        const TreeView::Refill refill(tree);
        tree.add(QString(), "root_node", "February");
    }
    EXPECT_EQ(tree.text("root_node"), "February") << "a refill drops it too";

    tree.refillWhenShown(fill);
    window.show();
    EXPECT_EQ(fills, 2) << "filled as it comes into view";
    tree.refillWhenShown(fill);
    EXPECT_EQ(fills, 3) << "in view, filled at once";
}

TEST(ComboBox, itsIndexStaysMinusOneUntilSetAndClickComesWithEveryChange)
{
    QWidget window;
    ComboBox combo(&window, "cmbBillPeriod", 1);
    QSignalSpy clicks(&combo, &ComboBox::clicked);
    combo.addItem("January");
    combo.addItem("February");
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_TRUE(combo.text().isEmpty());
    combo.setListIndex(1);
    EXPECT_EQ(combo.text(), "February");
    EXPECT_EQ(clicks.count(), 1);
    combo.setListIndex(1);
    EXPECT_EQ(clicks.count(), 1) << "choosing what is shown raises nothing";
    combo.clear();
    EXPECT_EQ(combo.listIndex(), -1);
    combo.addItem("March");
    EXPECT_EQ(combo.listIndex(), -1);
}

TEST(OptionButton, choosingOneClearsTheOthersOfItsContainer)
{
    QWidget frame;
    OptionButton first(&frame, "optInvoiceTitle", 0);
    OptionButton second(&frame, "optInvoiceTitle", 1);
    first.setValue(true);
    QSignalSpy clicks(&second, &OptionButton::clicked);
    second.setValue(true);
    EXPECT_TRUE(second.value());
    EXPECT_FALSE(first.value());
    EXPECT_EQ(clicks.count(), 1);
    second.setValue(true);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(TreeView, nodesAreKeyedAndCountedInTheOrderAdded)
{
    QWidget window;
    TreeView tree(&window, "tvwInvoiceRecords", 1);
    tree.setCheckBoxes(true);
    ASSERT_TRUE(tree.add({}, "root_node", "January"));
    ASSERT_TRUE(tree.add("root_node", "12k", "Lee, Ann - owes $5.00"));
    ASSERT_TRUE(tree.add("12k", "1bi", "$5.00 - Hedge trimming"));
    ASSERT_TRUE(tree.add("root_node", "30k", "Moss, Kim - paid"));
    EXPECT_FALSE(tree.add("root_node", "12k", "again"));
    EXPECT_FALSE(tree.add("99k", "2bi", "no parent"));
    EXPECT_EQ(tree.nodeCount(), 4);
    EXPECT_EQ(tree.keyAt(3), "1bi");
    EXPECT_EQ(tree.parentKey("1bi"), "12k");
    EXPECT_EQ(tree.childKeys("root_node"), QStringList({ "12k", "30k" }));

    tree.setForeColor("30k", SystemColor::GrayText);
    EXPECT_EQ(tree.foreColor("30k"), SystemColor::GrayText);
    tree.setTag("12k", "*");
    EXPECT_EQ(tree.tag("12k"), "*");

    EXPECT_TRUE(tree.remove("12k"));
    EXPECT_EQ(tree.nodeCount(), 2);
    EXPECT_FALSE(tree.contains("1bi"));
    EXPECT_EQ(tree.keyAt(2), "30k");
}

TEST(TreeView, onlyTheUsersCheckRaisesNodeCheck)
{
    QWidget window;
    TreeView tree(&window, "tvwInvoiceRecords", 1);
    tree.move(0, 0, 4500, 3000);
    tree.setCheckBoxes(true);
    tree.add({}, "root_node", "January");
    tree.add("root_node", "12k", "Lee, Ann");
    QSignalSpy checks(&tree, &TreeView::nodeCheck);
    tree.setChecked("12k", true);
    tree.setText("12k", "Lee, Ann - paid");
    tree.ensureVisible("12k");
    EXPECT_EQ(checks.count(), 0);
    EXPECT_TRUE(tree.expanded("root_node"));

    // The user's click on the box.
    QAbstractItemModel* model = tree.treeView()->model();
    model->setData(model->index(0, 0, model->index(0, 0)), Qt::Unchecked, Qt::CheckStateRole);
    ASSERT_EQ(checks.count(), 1);
    EXPECT_EQ(checks.at(0).at(0).toString(), "12k");
    EXPECT_FALSE(tree.checked("12k"));
}

TEST(TreeView, aRefillEndsAsANewTreeToldTheSameWouldWhateverWasDoneToTheOldOne)
{
    QWidget window;
    TreeView tree(&window, "tvwInvoiceRecords", 1);
    tree.move(0, 0, 4500, 3000);
    tree.setCheckBoxes(true);
    QAbstractItemModel* model = tree.treeView()->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const std::vector<NodeDesign> may = { { "", "root_node", "May", SystemColor::WindowText, true, true },
        { "root_node", "12k", "Lee - owes $5.00", SystemColor::WindowText, true, true }, { "12k", "1bi", "Mowing" },
        { "root_node", "30k", "Moss - paid", SystemColor::GrayText, false, true },
        { "30k", "2bi", "Hedge", SystemColor::GrayText, true } };
    {
        const TreeView::Refill refill(tree);
        EXPECT_EQ(tree.nodeCount(), 0) << "a refill starts from an empty tree";
        fill(tree, may);
    }
    EXPECT_EQ(treeState(tree), builtAnew(may));

    // The user clears a box and closes a node, a note is added, a node selected.
    const QModelIndex lee = model->index(0, 0, model->index(0, 0));
    model->setData(model->index(0, 0, lee), Qt::Checked, Qt::CheckStateRole);
    tree.add("12k", "12kn", "INVOICE NOTE: gate");
    tree.setExpanded("30k", false);
    tree.select("30k");

    // Lee has paid: the same nodes less the note, some with other data.
    std::vector<NodeDesign> paid = may;
    paid[1] = { "root_node", "12k", "Lee - paid", SystemColor::GrayText, false, true };
    paid[2].color = SystemColor::GrayText;
    {
        const TreeView::Refill refill(tree);
        fill(tree, paid);
        EXPECT_FALSE(tree.contains("12kn")) << "the old nodes are not the refilled tree's";
        EXPECT_FALSE(tree.checked("1bi"));
    }
    EXPECT_EQ(treeState(tree), builtAnew(paid));

    // Another period, its nodes in another order.
    const std::vector<NodeDesign> june = { { "", "root_node", "June", SystemColor::WindowText, true, true },
        { "root_node", "30k", "Moss - owes $2.00", SystemColor::WindowText, true, true }, { "30k", "1bi", "Hedge" },
        { "root_node", "12k", "Lee - paid", SystemColor::GrayText } };
    {
        const TreeView::Refill refill(tree);
        fill(tree, june);
    }
    EXPECT_EQ(treeState(tree), builtAnew(june));
}

TEST(TreeView, aRefillThatDropsMostNodesTellsTheViewOnceAndKeepsItsScrollPosition)
{
    QWidget window;
    TreeView tree(&window, "tvwInvoiceRecords", 1);
    tree.move(0, 0, 4500, 3000);
    tree.setCheckBoxes(true);
    window.show();
    QAbstractItemModel* model = tree.treeView()->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    // Every customer billed an item, then every bill reset: the customers stay, the items go.
    std::vector<NodeDesign> billed = { { "", "root_node", "New Bill Period", SystemColor::WindowText, true, true } };
    std::vector<NodeDesign> reset = billed;
    for (int i = 1; i <= 300; ++i) {
        const NodeDesign customer { "root_node", QString::number(i) + "k", QString::number(i), SystemColor::WindowText,
            true, true };
        billed.push_back(customer);
        billed.push_back({ customer.key, QString::number(i) + "bi", "Mowing" });
        reset.push_back(customer);
    }
    {
        const TreeView::Refill refill(tree);
        fill(tree, billed);
    }
    QCoreApplication::processEvents();
    QScrollBar* scrollBar = tree.treeView()->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum() / 3);
    const int scrolledTo = scrollBar->value();
    ASSERT_GT(scrolledTo, 0);

    QSignalSpy removals(model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    {
        const TreeView::Refill refill(tree);
        fill(tree, reset);
    }
    EXPECT_EQ(removals.count() + resets.count(), 1) << "one notice, not one per node gone";
    EXPECT_EQ(treeState(tree), builtAnew(reset));
    QCoreApplication::processEvents();
    EXPECT_EQ(scrollBar->value(), scrolledTo);
}
