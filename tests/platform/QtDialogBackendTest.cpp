#include "platform/Colors.h"
#include "platform/QtDialogBackend.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QPageSetupDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tav::platform;
using tav::test::scriptedHost;

namespace {

// Plays the user's part in the modal dialog of the given kind once it shows. A window that the
// step's button press opens on top (an overwrite question Qt should not ask) fails the test and
// is closed, so that a fault cannot hang the test.
template <typename D>
void whenShown(std::function<void(D&)> step)
{
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "the expected dialog is not showing";
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        auto stepDone = std::make_shared<bool>(false);
        QTimer::singleShot(0, [stepDone] {
            auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!*stepDone && other) {
                ADD_FAILURE() << "unexpected window: " << other->windowTitle().toStdString();
                other->reject();
            }
        });
        step(*dialog);
        *stepDone = true;
    });
}

// Clicks the item of a list that shows the text, as the user does.
void pickItem(QListView& list, const QString& text)
{
    const QModelIndexList found = list.model()->match(list.model()->index(0, 0), Qt::DisplayRole, text, 1,
                                                      Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list.scrollTo(found.front());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(found.front()).center());
}

QString chosenText(const QListView& list)
{
    const QModelIndexList selected = list.selectionModel()->selectedIndexes();
    return selected.size() == 1 ? selected.front().data().toString() : QString();
}

// What the dialog's Save or Open button does (QFileDialog keeps accept out of its public face).
void pressAccept(QFileDialog& dialog)
{
    static_cast<QDialog&>(dialog).accept();
}

QString makeFolder(const QStringList& files)
{
    const QString folder = tav::test::testFolder() + "/books";
    QDir().mkpath(folder);
    for (const QString& name : files) {
        QFile file(folder + '/' + name);
        file.open(QIODevice::WriteOnly);
    }
    return folder;
}

FileDialogRequest saveRequest(const QString& folder)
{
    FileDialogRequest request;
    request.mode = FileDialogMode::Save;
    request.title = "Save Current Database under a New Name";
    request.initialFolder = folder;
    request.fileTypes = {{"Text", "*.txt;*.log"}, {"Harkmoren TAV Database (*.xml)", "*.xml"}};
    request.fileTypeIndex = 2;
    return request;
}

} // namespace

TEST(QtDialogBackend, fileTypesShowTheirDescriptionAndFilterByTheirPatterns)
{
    EXPECT_EQ(qtNameFilter({"Text", "*.txt;*.log"}), "Text (*.txt *.log)");
    EXPECT_EQ(qtNameFilter({"All Files (*.*)", "*.*"}), "All Files (*.*) (*)") << "files without a dot count too";
}

TEST(QtDialogBackend, theSaveDialogShowsTheRequestAndTakesANameAsTypedWithoutAsking)
{
    const QString folder = makeFolder({"old.xml"});
    QtDialogBackend backend;
    const struct {
        const char* typed;
        int fileType;
    } choices[] = {{"old.xml", 2}, {"fresh", 1}};
    for (const auto& choice : choices) {
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Save Current Database under a New Name");
            EXPECT_EQ(dialog.directory().absolutePath(), folder);
            EXPECT_EQ(dialog.selectedNameFilter(), "Harkmoren TAV Database (*.xml)") << "shown as described";
            EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
            if (choice.fileType == 1)
                dialog.selectNameFilter("Text (*.txt *.log)");
            dialog.selectFile(choice.typed);
            pressAccept(dialog);
        });
        const auto answer = backend.showFileDialog(saveRequest(folder));
        ASSERT_TRUE(answer.confirmed) << choice.typed;
        EXPECT_EQ(answer.choice.paths, QStringList{folder + '/' + choice.typed}) << "no question, no extension added";
        EXPECT_EQ(answer.choice.fileTypeIndex, choice.fileType);
    }
}

TEST(QtDialogBackend, aSaveDialogWithTheCreatePromptAsksBeforeNamingANewFile)
{
    const QString folder = makeFolder({});
    FileDialogRequest request = saveRequest(folder);
    request.createPrompt = true;
    scriptedHost().answerMessageBox(MessageAnswer::No);
    scriptedHost().answerMessageBox(MessageAnswer::Yes);
    bool stayedOpen = false;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile("new.xml");
        pressAccept(dialog);
        stayedOpen = dialog.isVisible();
        pressAccept(dialog);
    });
    const auto answer = QtDialogBackend().showFileDialog(request);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(scriptedHost().lastPrompt().text.contains("does not exist"));
    EXPECT_EQ(answer.choice.paths, QStringList{folder + "/new.xml"});
}

TEST(QtDialogBackend, theOpenDialogTakesSeveralFilesOrEndsAsCancelled)
{
    const QString folder = makeFolder({"a.txt", "b.txt"});
    FileDialogRequest request = saveRequest(folder);
    request.mode = FileDialogMode::Open;
    request.allowMultipleFiles = true;
    request.fileTypeIndex = 1;
    whenShown<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
        dialog.selectFile("\"a.txt\" \"b.txt\"");
        pressAccept(dialog);
    });
    QtDialogBackend backend;
    const auto answer = backend.showFileDialog(request);
    EXPECT_EQ(answer.choice.paths, (QStringList{folder + "/a.txt", folder + "/b.txt"}));

    whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    const auto cancelled = backend.showFileDialog(request);
    EXPECT_FALSE(cancelled.confirmed);
    EXPECT_EQ(cancelled.failureCode, 0);
}

TEST(QtDialogBackend, aFileDialogTypesNothingOnAltAndBelongsToTheActiveWindow)
{
    QWidget main;
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QString typed;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.parentWidget(), &main) << "the desktop as owner puts it over the program's window";
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_TRUE(name);
        name->setFocus();
        QTest::keyClicks(name, "books");
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_Z, Qt::Key_Comma, Qt::Key_Period, Qt::Key_Minus})
            QTest::keyClick(name, key, Qt::AltModifier);
        typed = name->text();
        dialog.reject();
    });
    QtDialogBackend().showFileDialog(saveRequest(makeFolder({})));
    EXPECT_EQ(typed, "books");
}

TEST(QtDialogBackend, theFontDialogTakesOnlyAFontTheUserChoseAndShowsItsSample)
{
    const QString family = "DejaVu Sans";
    bool shown = false;
    whenShown<QDialog>([&](QDialog& dialog) {
        // Family, style and size lists, the sample box and OK.
        const auto lists = dialog.findChildren<QListView*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(lists.size(), 3);
        QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QLineEdit* sample = nullptr;
        for (QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
            if (box->title() == "Sample")
                sample = box->findChild<QLineEdit*>();
        }
        ASSERT_TRUE(sample);
        for (int i = 0; i < 3; ++i)
            EXPECT_FALSE(lists[i]->selectionModel()->hasSelection()) << i;
        EXPECT_FALSE(ok->isEnabled()) << "no font, no OK";
        for (QWidget* target : {static_cast<QWidget*>(lists[0]), static_cast<QWidget*>(ok), static_cast<QWidget*>(&dialog)})
            QTest::keyClick(target, Qt::Key_Return);
        ASSERT_TRUE(dialog.isVisible()) << "Enter accepts no font nobody chose";

        // A family chosen alone brings its regular style and a size of its list.
        pickItem(*lists[0], family);
        const QString style = chosenText(*lists[1]);
        EXPECT_FALSE(style.isEmpty());
        EXPECT_FALSE(QFontDatabase::bold(family, style) || QFontDatabase::italic(family, style)) << style.toStdString();
        const int size = chosenText(*lists[2]).toInt();
        EXPECT_GT(size, 0);
        EXPECT_TRUE(ok->isEnabled());
        EXPECT_FALSE(sample->text().isEmpty());
        EXPECT_EQ(sample->font().family(), family);
        EXPECT_EQ(sample->font().pointSize(), size);

        // The style and the size clicked are the ones taken, and the sample follows them.
        pickItem(*lists[1], "Bold Oblique");
        pickItem(*lists[2], "12");
        EXPECT_TRUE(sample->font().bold());
        EXPECT_TRUE(sample->font().italic());
        EXPECT_EQ(sample->font().pointSize(), 12);
        shown = true;
        QTest::keyClick(lists[2], Qt::Key_Return);
    });
    const auto font = QtDialogBackend().showFontDialog({});
    EXPECT_TRUE(shown);
    ASSERT_TRUE(font.confirmed);
    EXPECT_EQ(font.choice.faceName, family);
    EXPECT_EQ(font.choice.pointSizeTenths, 120);
    EXPECT_EQ(font.choice.fontType, FontType::Bold | FontType::Italic);

    whenShown<QDialog>([](QDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(QtDialogBackend().showFontDialog({}).confirmed);
}

TEST(QtDialogBackend, aColourChoiceComesBackInTheObjectsTerms)
{
    ColorRequest request;
    request.initialColor = qint32(rgbValue(10, 20, 30));
    request.customColors[1] = qint32(rgbValue(255, 0, 0));
    whenShown<QColorDialog>([](QColorDialog& dialog) {
        EXPECT_EQ(dialog.currentColor(), QColor(10, 20, 30));
        EXPECT_EQ(QColorDialog::customColor(1), QColor(255, 0, 0));
        dialog.setCurrentColor(QColor(1, 2, 3));
        dialog.accept();
    });
    const auto color = QtDialogBackend().showColorDialog(request);
    EXPECT_EQ(color.choice.color, qint32(rgbValue(1, 2, 3)));
    EXPECT_EQ(color.choice.customColors[1], qint32(rgbValue(255, 0, 0)));
}

TEST(QtDialogBackend, aConfirmedPageSetupGivesBackPaperAndMarginsInThousandthsOfAnInch)
{
    const PageSetup landscape{11000, 8500, {250, 250, 250, 250}, {500, 750, 1000, 1250}};
    whenShown<QPageSetupDialog>([](QPageSetupDialog& dialog) { dialog.accept(); });
    const auto answer = QtDialogBackend().showPageSetupDialog(0, landscape);
    ASSERT_TRUE(answer.confirmed);
    EXPECT_EQ(answer.choice, landscape);
}
