#include "platform/Colors.h"
#include "platform/QtDialogBackend.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QPageSetupDialog>
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

TEST(QtDialogBackend, theFontDialogOpensWithNothingChosenAndTakesOKOnlyWithAFont)
{
    bool opened = false;
    whenShown<QFontDialog>([&](QFontDialog& dialog) {
        // Family, style and size, each a box over its list.
        const auto lists = dialog.findChildren<QListView*>(QString(), Qt::FindDirectChildrenOnly);
        const auto boxes = dialog.findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(lists.size(), 3);
        ASSERT_EQ(boxes.size(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_FALSE(lists[i]->currentIndex().isValid()) << i;
            EXPECT_FALSE(lists[i]->selectionModel()->hasSelection()) << i;
            EXPECT_EQ(boxes[i]->text().toStdString(), "") << i;
        }
        QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        EXPECT_FALSE(ok->isEnabled()) << "no font, no OK";
        lists[0]->setCurrentIndex(lists[0]->model()->index(0, 0));
        EXPECT_TRUE(ok->isEnabled());
        opened = true;
        dialog.reject();
    });
    EXPECT_FALSE(QtDialogBackend().showFontDialog({}).confirmed);
    EXPECT_TRUE(opened);
}

TEST(QtDialogBackend, fontAndColourChoicesComeBackInTheObjectsTerms)
{
    QString family;
    whenShown<QFontDialog>([&](QFontDialog& dialog) {
        QFont font("DejaVu Sans", 12);
        font.setBold(true);
        font.setItalic(true);
        dialog.setCurrentFont(font);
        family = dialog.currentFont().family();
        dialog.accept();
    });
    const auto font = QtDialogBackend().showFontDialog({});
    ASSERT_TRUE(font.confirmed);
    EXPECT_EQ(font.choice.faceName, family);
    EXPECT_EQ(font.choice.pointSizeTenths, 120);
    EXPECT_EQ(font.choice.fontType, FontType::Bold | FontType::Italic);

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
