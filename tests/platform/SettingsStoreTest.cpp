#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>

using tav::platform::SettingsStore;

namespace {

QString reread(const SettingsStore& store, const QString& section, const QString& key)
{
    return SettingsStore(store.filePath()).value(section, key);
}

} // namespace

TEST(SettingsStore, livesInTheConfigFolderOfTheUser)
{
    EXPECT_EQ(SettingsStore::defaultFilePath(), tav::test::testFolder() + "/config/TAV/TAV.ini");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsStore::defaultFilePath(), tav::test::testFolder() + "/home/.config/TAV/TAV.ini");
}

TEST(SettingsStore, missingKeysReadEmptyAndNamesIgnoreCase)
{
    SettingsStore store(SettingsStore::defaultFilePath());
    EXPECT_TRUE(store.value("Settings", "LastClicked").isEmpty());
    EXPECT_FALSE(store.contains("Settings", "LastClicked"));
    EXPECT_FALSE(QFile::exists(store.filePath())) << "reading must not create the file";

    ASSERT_TRUE(store.setValue("Settings", "LastClicked", "3"));
    EXPECT_EQ(store.value("SETTINGS", "lastclicked"), "3");
    store.setValue("settings", "LASTCLICKED", "4");
    EXPECT_EQ(reread(store, "Settings", "LastClicked"), "4");
    EXPECT_EQ(QString::fromUtf8([&] { QFile f(store.filePath()); f.open(QIODevice::ReadOnly); return f.readAll(); }())
                  .count("LastClicked", Qt::CaseInsensitive),
              1);
}

TEST(SettingsStore, awkwardValuesRoundTrip)
{
    SettingsStore store(SettingsStore::defaultFilePath());
    const QStringList values = {"line one\r\nline two\nthree", "a=b=c", "; not a comment", "\"quoted\"",
                                "  leading and trailing  ", "back\\slash \\n literal", "tab\there", "",
                                "[Section]", "Ünïcödé €"};
    for (int i = 0; i < values.size(); ++i)
        store.setValue("Messages", QString("Key%1").arg(i), values[i]);
    const SettingsStore again(store.filePath());
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(again.value("Messages", QString("Key%1").arg(i)), values[i]) << i;
}

TEST(SettingsStore, aFolderThatCannotBeCreatedFailsTheWriteButKeepsTheValue)
{
    QFile blocker(tav::test::testFolder() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store(tav::test::testFolder() + "/blocker/TAV/TAV.ini");
    EXPECT_FALSE(store.setValue("Settings", "ExpertMode", "True"));
    EXPECT_EQ(store.value("Settings", "ExpertMode"), "True");
}
