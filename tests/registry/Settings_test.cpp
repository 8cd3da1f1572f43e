#include "registry/Settings.h"

#include <gtest/gtest.h>

#include "platform/portable/MemorySettingsStore.h"

namespace brivex {
namespace {

TEST(Settings_Application, EntriesLiveUnderTheApplicationTitleAndAnswerTheirDefaultWhileAbsent) {
    MemorySettingsStore store;
    Settings settings(store);
    EXPECT_EQ(settings.Get(setting::Reboot), "") << "no default: the empty text";
    EXPECT_EQ(settings.Get(setting::First), "0");
    EXPECT_EQ(settings.Get(setting::Press), "0");
    EXPECT_EQ(settings.Get(setting::LanguageFile, "C:\\Lang\\Francais.lng"), "C:\\Lang\\Francais.lng");
    settings.Save(setting::Press, "1");
    EXPECT_EQ(store.GetSetting("Brivex Doziv", "config", "Press", ""), "1");
}

TEST(Settings_NumericTest, OnlyNumbersCompareEqual) {
    EXPECT_TRUE(SettingIsNumber("1", 1));
    EXPECT_TRUE(SettingIsNumber(" 1 ", 1));
    EXPECT_TRUE(SettingIsNumber("1.0", 1));
    EXPECT_TRUE(SettingIsNumber("0", 0));
    EXPECT_TRUE(SettingIsNumber("00", 0));
    EXPECT_FALSE(SettingIsNumber("0", 1));
    EXPECT_FALSE(SettingIsNumber("2", 1));
    for (const char* damaged : {"", "yes", "ok", "1x", "vrai", "\x01"}) {
        EXPECT_FALSE(SettingIsNumber(damaged, 1)) << damaged;
        EXPECT_FALSE(SettingIsNumber(damaged, 0)) << "not a number is not 0 either: " << damaged;
    }
}

TEST(Settings_CheckBoxLoad, OnlyATextThatReadsAsOneTicks) {
    struct Case {
        const char* text;
        int state;
    };
    const Case cases[] = {
        {"1", 1},  {"0", 0}, {"1.4", 1}, {"0.5", 0},   {"1.5", 0}, {"2", 0},
        {"-1", 0}, {"", 0},  {"on", 0},  {"99999", 0}, {"1e9", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckBoxValueFromSetting(c.text), c.state) << c.text;
}

}  // namespace
}  // namespace brivex
