#include "app/windows/VersionNumbers.h"

#include <gtest/gtest.h>

using tav::app::getAppVersionNumber;
using tav::app::versionFileNumber;

TEST(VersionNumbers, theRunningProgramsNumberDoesNotOverflow)
{
    EXPECT_EQ(getAppVersionNumber({3, 19, 0}), 3019000);
    EXPECT_EQ(getAppVersionNumber({1, 40, 5}), 1040005) << "a minor part above 32";
    EXPECT_EQ(getAppVersionNumber({3000, 1, 2}), 3000001002LL) << "beyond 32 bits";
}

TEST(VersionNumbers, theVersionFileNamesItsFirstItemAsAWholeNumber)
{
    const struct {
        const char* file;
        qint64 version;
    } cases[] = {
        {"3019001", 3019001},
        {"3019001,released 9 December\r\n3020000\r\n", 3019001},
        {"  \"3019001\" , \"3.19.1\"", 3019001},
        // The quotes hold the comma inside the item; reading the number stops there.
        {"\"3,019,001\"", 3},
        {"3019000.5", 3019000},
        {"3019001.5", 3019002},
        {"version 3019001", 0},
        {"\r\n3019001", 0},
        {"4294967301", 4294967301LL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(versionFileNumber(c.file), c.version) << c.file;
}

TEST(VersionNumbers, aBlankVersionFileNamesNoVersion)
{
    for (const char* file : {"", "\r\n", "  \t\r\n\r\n"})
        EXPECT_EQ(versionFileNumber(file), std::nullopt) << '"' << file << '"';
}
