#include <gtest/gtest.h>

#include "registry/SettingsHarness.h"

namespace brivex::testing {
namespace {

class SettingsSuite : public ::testing::Test {
protected:
    std::unique_ptr<SettingsHarness> harness = MakeSettingsHarness();
    SettingsStore& store = harness->Store();
    const std::string& app = harness->App();
};

using Settings_Store = SettingsSuite;

TEST_F(Settings_Store, MissingEntryGivesTheReadersDefault) {
    EXPECT_EQ(store.GetSetting(app, "config", "first", "0"), "0");
    EXPECT_EQ(store.GetSetting(app, "config", "reboot", ""), "");
    EXPECT_EQ(store.GetSetting(app, "FILES", "LNG", "C:\\App\\Lang\\Francais.lng"), "C:\\App\\Lang\\Francais.lng");
}

TEST_F(Settings_Store, KeysAndSectionsIgnoreLetterCase) {
    store.SaveSetting(app, "config", "Press", "1");
    EXPECT_EQ(store.GetSetting(app, "config", "press", ""), "1");
    EXPECT_EQ(store.GetSetting(app, "CONFIG", "PRESS", ""), "1");
    store.SaveSetting(app, "Config", "press", "0");
    EXPECT_EQ(store.GetSetting(app, "config", "Press", ""), "0") << "one entry, overwritten";
}

TEST_F(Settings_Store, SectionsAreSeparate) {
    store.SaveSetting(app, "config", "LNG", "config value");
    EXPECT_EQ(store.GetSetting(app, "FILES", "LNG", "default"), "default");
}

TEST_F(Settings_Store, TextsKeepAccentsBlanksAndLength) {
    const std::string path = "C:\\Program Files\\Brivex Doziv\\Lang\\Français.lng";
    store.SaveSetting(app, "FILES", "LNG", path);
    EXPECT_EQ(store.GetSetting(app, "FILES", "LNG", ""), path);
    const std::string longText(5000, 'k');
    store.SaveSetting(app, "config", "long", longText);
    EXPECT_EQ(store.GetSetting(app, "config", "long", ""), longText);
    store.SaveSetting(app, "config", "empty", "");
    EXPECT_EQ(store.GetSetting(app, "config", "empty", "default"), "") << "an empty entry exists";
}

TEST_F(Settings_Store, EntriesOutliveTheStoreThatWroteThem) {
    store.SaveSetting(app, "config", "reboot", "ok");
    const std::unique_ptr<SettingsStore> next = harness->Reopen();
    EXPECT_EQ(next->GetSetting(app, "config", "REBOOT", ""), "ok");
}

}  // namespace
}  // namespace brivex::testing
