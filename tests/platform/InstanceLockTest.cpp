#include "platform/InstanceLock.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QLockFile>
#include <gtest/gtest.h>

using tav::platform::InstanceLock;

TEST(InstanceLock, aSecondInstanceIsRefusedUntilTheFirstEnds)
{
    const QString path = InstanceLock::defaultLockFilePath();
    EXPECT_EQ(path, tav::test::testFolder() + "/runtime/TAV.lock");
    {
        InstanceLock first(path);
        ASSERT_TRUE(first.acquire());
        EXPECT_TRUE(first.acquire()) << "asking again keeps the lock";
        // Another process holding the file is what a second start sees; QLockFile refuses a second
        // holder within one process as well.
        InstanceLock second(path);
        EXPECT_FALSE(second.acquire());
    }
    InstanceLock afterwards(path);
    EXPECT_TRUE(afterwards.acquire());
}

TEST(InstanceLock, aLockLeftByACrashedInstanceIsTakenOver)
{
    const QString path = InstanceLock::defaultLockFilePath();
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    // The holder's process number, application and host: a process that cannot exist.
    stale.write("2147483000\ntav\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    InstanceLock lock(path);
    EXPECT_TRUE(lock.acquire());
}
