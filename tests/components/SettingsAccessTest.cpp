#include "components/SettingsAccess.h"
#include "platform/Host.h"
#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace tav::components;
using tav::platform::settings;

TEST(SettingsAccess, aMissingOrEmptyValueGivesTheDefaultAndWritesItBack)
{
    EXPECT_EQ(getSettingWithDefault("LastClicked", "0"), "0");
    EXPECT_EQ(settings().value("Settings", "LastClicked"), "0");

    settings().setValue("Settings", "InvoiceTitleText", "");
    EXPECT_EQ(getSettingWithDefault("InvoiceTitleText", "Statement", "KeepCaps"), "Statement");
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleText"), "Statement");

    // The default is written as given and read back lower-cased unless KeepCaps is asked for.
    EXPECT_EQ(getSettingWithDefault("Mode", "Mixed"), "mixed");
    EXPECT_EQ(settings().value("Settings", "Mode"), "Mixed");
}

TEST(SettingsAccess, valuesComeBackLowerCasedUnlessExactlyKeepCaps)
{
    saveSettingValue("CheckToConfirmEdits", "True");
    EXPECT_EQ(getSettingWithDefault("CheckToConfirmEdits", "True"), "true");
    EXPECT_EQ(getSettingWithDefault("CheckToConfirmEdits", "True", "KeepCaps"), "True");
    EXPECT_EQ(getSettingWithDefault("CheckToConfirmEdits", "True", "keepcaps"), "true");
    EXPECT_EQ(yesNoText(true), "True");
    EXPECT_EQ(yesNoText(false), "False");
}
