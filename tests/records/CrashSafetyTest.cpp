// A save killed at any moment, or stopped midway by a failing write, leaves the database file
// exactly as it was before or after, never anything in between, and nothing else behind.
#include "RecordsTestSupport.h"

#include "records/DatabaseFile.h"
#include "records/DatabaseWriter.h"
#include "records/RecordFormats.h"
#include "support/TestIsolation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tav::records::test {
namespace {

Database largeDatabase(const QString& note)
{
    Database database;
    database.company.texts[CompanyInfo::CompanyName] = note;
    for (int period = 0; period < 20; ++period) {
        for (int customer = 1; customer <= 1000; ++customer) {
            const InvoiceRecord record{QStringLiteral("Period %1").arg(period),
                                       {},
                                       QString::number(customer),
                                       QStringLiteral("12.5"),
                                       QStringLiteral("7"),
                                       note};
            database.invoiceRecords.add(record.key(), record.text());
        }
    }
    return database;
}

// Starts a process that saves the database to path; it ends with status 0 once saved.
pid_t startSaving(const QString& path, const Database& database)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(saveDatabase(path, database) ? 1 : 0);
    return child;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesIn(const QString& folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    return files;
}

TEST(CrashSafety, aSaveKilledAtAnyMomentLeavesTheOldOrTheNewFile)
{
    const Database databases[] = {largeDatabase(QStringLiteral("first")), largeDatabase(QStringLiteral("second"))};
    const QByteArray contents[] = {databaseFileBytes(databases[0]), databaseFileBytes(databases[1])};
    const QString path = tav::test::testFolder() + QStringLiteral("/TAV.xml");
    ASSERT_FALSE(saveDatabase(path, databases[0]));

    // How long a whole save takes, so that the kills fall all over it.
    QElapsedTimer timer;
    timer.start();
    int status = 0;
    ::waitpid(startSaving(path, databases[1]), &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const qint64 saveMicroseconds = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000);
    ASSERT_EQ(contentOf(path), contents[1]);

    QRandomGenerator random(42);
    int current = 1;
    int interrupted = 0;
    for (int round = 0; round < 100; ++round) {
        const int next = 1 - current;
        const pid_t child = startSaving(path, databases[next]);
        ::usleep(static_cast<useconds_t>(random.bounded(static_cast<int>(saveMicroseconds * 5 / 4))));
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        const QByteArray content = contentOf(path);
        ASSERT_TRUE(content == contents[current] || content == contents[next]) << "round " << round;
        if (content == contents[next])
            current = next;
        if (WIFSIGNALED(status))
            ++interrupted;
    }
    EXPECT_GT(interrupted, 10); // most kills came before the save was done

    // The next save clears away what the killed ones left.
    ASSERT_FALSE(saveDatabase(path, databases[0]));
    EXPECT_EQ(filesIn(tav::test::testFolder()), (QStringList{"TAV.xml", "TAV.xml.bak"}));
}

// A save killed after keeping its backup but before taking the file's place leaves the backup as a
// second name of the file itself.
TEST(CrashSafety, aBackupThatIsTheFileItselfIsReplacedWithNothingLeftBehind)
{
    const QString path = tav::test::testFolder() + QStringLiteral("/TAV.xml");
    ASSERT_FALSE(saveDatabase(path, largeDatabase(QStringLiteral("first"))));
    const QByteArray first = contentOf(path);
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(path + ".bak").constData()), 0);

    ASSERT_FALSE(saveDatabase(path, largeDatabase(QStringLiteral("second"))));
    EXPECT_EQ(contentOf(path + ".bak"), first);
    EXPECT_EQ(filesIn(tav::test::testFolder()), (QStringList{"TAV.xml", "TAV.xml.bak"}));
}

TEST(CrashSafety, aSaveStoppedMidwayByAFileSizeLimitIsReportedAndLeavesTheOldFile)
{
    const QString path = tav::test::testFolder() + QStringLiteral("/TAV.xml");
    ASSERT_FALSE(saveDatabase(path, Database()));
    const QByteArray old = contentOf(path);
    const Database large = largeDatabase(QStringLiteral("grown"));
    ASSERT_GT(databaseFileBytes(large).size(), 1 << 20);

    // A process of its own, as the program starts (the signal of the limit not ignored), whose
    // writes fail once the file reaches 64 KB: the new file is well begun when they do.
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{64 << 10, 64 << 10};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::optional<FileProblem> problem = saveDatabase(path, large);
        ::_exit(problem && problem->path == path && problem->reason == qt_error_string(EFBIG) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failure was not reported as too large a file";
    EXPECT_EQ(contentOf(path), old);
    EXPECT_EQ(filesIn(tav::test::testFolder()), QStringList{"TAV.xml"});
}

} // namespace
} // namespace tav::records::test
