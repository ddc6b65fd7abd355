// A save killed at any moment leaves the database file exactly as it was before or after, never
// anything in between.
#include "RecordsTestSupport.h"

#include "records/DatabaseFile.h"
#include "records/DatabaseWriter.h"
#include "records/RecordFormats.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <csignal>
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
}

} // namespace
} // namespace tav::records::test
