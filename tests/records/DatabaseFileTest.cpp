// The database file on disk: loading, creating, and replacing it safely.
#include "RecordsTestSupport.h"

#include "records/DatabaseFile.h"
#include "records/DatabaseWriter.h"
#include "records/FileReplacement.h"
#include "support/TestIsolation.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tav::records::test {
namespace {

QString pathIn(const QString& name)
{
    return tav::test::testFolder() + QLatin1Char('/') + name;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(DatabaseFile, savesReplaceTheFileAndKeepTheOneBeforeAsBak)
{
    const QString path = pathIn(QStringLiteral("TAV.xml"));
    EXPECT_FALSE(saveDatabase(path, Database()));
    EXPECT_EQ(contentOf(path), databaseFileBytes(Database()));
    EXPECT_FALSE(QFile::exists(FileReplacement::backupPath(path)));
    ::chmod(QFile::encodeName(path).constData(), 0640);

    EXPECT_FALSE(saveDatabase(path, sampleDatabase()));
    EXPECT_EQ(contentOf(path), sampleDatabaseFile());
    EXPECT_EQ(contentOf(path + QStringLiteral(".bak")), databaseFileBytes(Database()));
    EXPECT_EQ(QFile::permissions(path), QFile::permissions(path + QStringLiteral(".bak")));
    EXPECT_EQ(QDir(tav::test::testFolder()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary file left

    const LoadResult loaded = loadDatabase(path);
    EXPECT_EQ(loaded.status, LoadResult::Status::Loaded);
    EXPECT_TRUE(loaded.report.isEmpty());
    expectSameDatabase(loaded.database, readBytes(sampleDatabaseFile()).database);
}

TEST(DatabaseFile, aLinkedDatabaseIsReplacedWhereItLives)
{
    QDir(tav::test::testFolder()).mkdir(QStringLiteral("real"));
    const QString real = pathIn(QStringLiteral("real/TAV.xml"));
    const QString link = pathIn(QStringLiteral("TAV.xml"));
    writeFile(real, "old");
    ASSERT_TRUE(QFile::link(real, link));
    EXPECT_EQ(FileReplacement::damagedCopyPath(link), real + QStringLiteral(".damaged"));
    const KeptCopy kept = FileReplacement::keepDamagedCopy(link);
    EXPECT_FALSE(kept.problem);
    EXPECT_EQ(kept.path, real + QStringLiteral(".damaged"));
    EXPECT_FALSE(saveDatabase(link, Database()));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(real), databaseFileBytes(Database()));
    EXPECT_EQ(contentOf(real + QStringLiteral(".bak")), QByteArray("old"));
    EXPECT_EQ(contentOf(real + QStringLiteral(".damaged")), QByteArray("old"));
}

TEST(DatabaseFile, aDamagedCopyIsKeptUnderANameOfItsOwnThatNoSaveReplaces)
{
    const QString path = pathIn(QStringLiteral("TAV.xml"));
    writeFile(path, "as it was");
    EXPECT_EQ(FileReplacement::keepDamagedCopy(path).path, path + QStringLiteral(".damaged"));
    EXPECT_FALSE(saveDatabase(path, Database()));
    EXPECT_FALSE(saveDatabase(path, sampleDatabase()));
    EXPECT_EQ(contentOf(path + QStringLiteral(".damaged")), QByteArray("as it was"));

    // A name that is taken is never replaced: the next number is.
    EXPECT_EQ(FileReplacement::damagedCopyPath(path), path + QStringLiteral(".damaged2"));
    writeFile(path + QStringLiteral(".damaged2"), "someone's");
    const KeptCopy kept = FileReplacement::keepDamagedCopy(path);
    EXPECT_EQ(kept.path, path + QStringLiteral(".damaged3"));
    EXPECT_EQ(contentOf(kept.path), sampleDatabaseFile());
    EXPECT_EQ(contentOf(path + QStringLiteral(".damaged")), QByteArray("as it was"));
    EXPECT_EQ(contentOf(path + QStringLiteral(".damaged2")), QByteArray("someone's"));

    const KeptCopy none = FileReplacement::keepDamagedCopy(pathIn(QStringLiteral("missing.xml")));
    ASSERT_TRUE(none.problem);
    EXPECT_TRUE(none.problem->reason.contains(QLatin1String("missing.xml.damaged")));
}

TEST(DatabaseFile, aSaveRemovesTheTemporaryFilesThatKilledSavesLeftAndNothingElse)
{
    const QString path = pathIn(QStringLiteral("TAV.xml"));
    writeFile(path, sampleDatabaseFile());
    const QStringList leftOver{"TAV.xml.tmp1x9zq4k", "TAV.xml.bak.tmpa0"};
    const QStringList others{"TAV.xml.tmp-notes", "TAV.xml.tmpTAKEN", "TAV.xml.tmp12345678", "other.xml.tmpab12",
                             "TAV.xml.damaged"};
    for (const QString& name : leftOver + others)
        writeFile(pathIn(name), QByteArray(1 << 16, 'x'));
    EXPECT_FALSE(saveDatabase(path, Database()));
    QStringList expected = others + QStringList{"TAV.xml", "TAV.xml.bak"};
    QStringList found = QDir(tav::test::testFolder()).entryList(QDir::Files | QDir::Hidden);
    expected.sort();
    found.sort();
    EXPECT_EQ(found, expected);
}

TEST(DatabaseFile, aFailedSaveSaysWhichFileAndWhyAndLeavesEveryFileAsItWas)
{
    const std::optional<FileProblem> noFolder
        = saveDatabase(pathIn(QStringLiteral("missing/TAV.xml")), sampleDatabase());
    ASSERT_TRUE(noFolder);
    EXPECT_EQ(noFolder->path, pathIn(QStringLiteral("missing/TAV.xml")));
    EXPECT_FALSE(noFolder->reason.isEmpty());
    EXPECT_FALSE(QDir(pathIn(QStringLiteral("missing"))).exists());

    // The old file cannot be kept (its backup name is taken by a folder that is not empty).
    const QString path = pathIn(QStringLiteral("TAV.xml"));
    writeFile(path, "old content");
    QDir(tav::test::testFolder()).mkpath(QStringLiteral("TAV.xml.bak/inside"));
    const std::optional<FileProblem> noBackup = saveDatabase(path, sampleDatabase());
    ASSERT_TRUE(noBackup);
    EXPECT_TRUE(noBackup->reason.contains(QLatin1String(".bak")));
    EXPECT_EQ(contentOf(path), QByteArray("old content"));

    // The database path is a folder.
    const QString folder = pathIn(QStringLiteral("folder.xml"));
    QDir(tav::test::testFolder()).mkpath(QStringLiteral("folder.xml/inside"));
    EXPECT_TRUE(saveDatabase(folder, Database()));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QDir(tav::test::testFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"TAV.xml"});
}

TEST(DatabaseFile, missingUnreadableAndEmptyFilesAreToldApart)
{
    const QString path = pathIn(QStringLiteral("TAV.xml"));
    EXPECT_EQ(loadDatabase(path).status, LoadResult::Status::Missing);
    EXPECT_FALSE(createEmptyDatabaseFile(path));
    EXPECT_EQ(loadDatabase(path).status, LoadResult::Status::Loaded);
    EXPECT_EQ(QFileInfo(path).size(), 0);

    // Creating never truncates a file that exists, even one made in the meantime.
    writeFile(path, "content");
    const std::optional<FileProblem> exists = createEmptyDatabaseFile(path);
    ASSERT_TRUE(exists);
    EXPECT_EQ(exists->path, path);
    EXPECT_EQ(contentOf(path), QByteArray("content"));
    EXPECT_EQ(loadDatabase(path).problem.reason, QStringLiteral("Not a TAV database file"));

    QDir(tav::test::testFolder()).mkdir(QStringLiteral("folder.xml"));
    const LoadResult unreadable = loadDatabase(pathIn(QStringLiteral("folder.xml")));
    EXPECT_EQ(unreadable.status, LoadResult::Status::Unreadable);
    EXPECT_FALSE(unreadable.problem.reason.isEmpty());
    EXPECT_TRUE(unreadable.database.customers.isEmpty());

    writeFile(path, sampleDatabaseFile() + "<Customer CID=\"1\">\r\n<FName>Cut off</FName>\r\n");
    const LoadResult loaded = loadDatabase(path);
    EXPECT_EQ(loaded.status, LoadResult::Status::Loaded);
    // The record the file ends in is not read, all of it.
    EXPECT_EQ(loaded.report.linesNotRead, (std::vector<ReadReport::Lines>{{75, 76}}));
    EXPECT_GT(loaded.database.invoiceRecords.count(), 0);
}

} // namespace
} // namespace tav::records::test
