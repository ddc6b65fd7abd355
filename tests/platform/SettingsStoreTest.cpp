#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using tav::platform::SettingsStore;

TEST(SettingsStore, placeholder)
{
    SettingsStore store(SettingsStore::defaultFilePath());
    EXPECT_TRUE(store.value("Settings", "LastClicked").isEmpty());
}
