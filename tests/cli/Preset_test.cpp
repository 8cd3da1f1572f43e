#include "cli/Preset.h"

#include <gtest/gtest.h>

#include "cli/PresetCheck.h"

namespace brivex::testing {
namespace {

constexpr std::size_t kErrorReporting = 0, kNumLock = 9, kSecurityCenter = 15;

TEST(Preset_Refusals, NameTheFirstLineAtFault) {
    struct Case {
        const char* text;
        PresetFault fault;
        int line;
        const char* lineText;
    };
    const Case cases[] = {
        {"; nothing\r\nNumLock = on\r\n", PresetFault::NoTweaksSection, 0, ""},
        {"[Other]\nNumLock = on\n", PresetFault::NoTweaksSection, 0, ""},
        {"[Tweaks]\nNumLock = on\nCapsLock = off\n", PresetFault::UnknownName, 3, "CapsLock = off"},
        {"[Tweaks]\nBrivexCB10 = off\n", PresetFault::UnknownName, 2, "BrivexCB10 = off"},
        {"[Tweaks]\r\nNumLock = yes\r\n", PresetFault::BadValue, 2, "NumLock = yes"},
        {"[Tweaks]\nNumLock = off ; comment\n", PresetFault::BadValue, 2, "NumLock = off ; comment"},
        {"[Tweaks]\nNumLock =\n", PresetFault::BadValue, 2, "NumLock ="},
        {"[Tweaks]\nNumLock = on\n\nnumlock = off\n", PresetFault::Duplicate, 4, "numlock = off"},
        {"[Tweaks]\nBrivexCB12 = on\nNumLock = on\n", PresetFault::Duplicate, 3, "NumLock = on"},
        {"[Tweaks]\nNumLock\n", PresetFault::NotAssignment, 2, "NumLock"},
        {"[Tweaks]\n  = on\n", PresetFault::NotAssignment, 2, "  = on"},
        {"[Tweaks]\n[Broken\n", PresetFault::NotAssignment, 2, "[Broken"},
    };
    for (const Case& c : cases) {
        const PresetReading reading = ReadPreset(c.text);
        EXPECT_EQ(reading.fault, c.fault) << c.text;
        EXPECT_EQ(reading.line, c.line) << c.text;
        EXPECT_EQ(reading.lineText, c.lineText) << c.text;
    }
    EXPECT_EQ(ReadPreset("[Tweaks]\nBrivexCB12 = on\nNumLock = on\n").firstNamedAt, 2);
}

TEST(Preset_Refusals, AFileOverOneMegabyteIsNotRead) {
    std::string text = "[Tweaks]\nNumLock = on\n";
    text.resize(kMaxPresetBytes, ';');
    EXPECT_EQ(ReadPreset(text).fault, PresetFault::None) << "a comment to the last byte";
    text += ';';
    EXPECT_EQ(ReadPreset(text).fault, PresetFault::TooLarge);
}

TEST(Preset_Reading, EncodingsCommentsSectionsAliasesAndCase) {
    std::string utf16Body;
    for (const char c : std::string_view("[Tweaks]\nNumLock=on")) utf16Body += {c, '\0'};
    std::string utf16Be = "\xFE\xFF";
    for (std::size_t i = 0; i < utf16Body.size(); i += 2) utf16Be += {utf16Body[i + 1], utf16Body[i]};
    struct Case {
        std::string text;
        std::size_t entry;
        PresetValue value;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF; é\n[Tweaks]\nNumLock=on", kNumLock, PresetValue::On},
        {"; préréglage\n[Tweaks]\nNumLock = on", kNumLock, PresetValue::On},
        {"; pr\xE9r\xE9glage\n[Tweaks]\nNumLock = on", kNumLock, PresetValue::On},
        {"\xFF\xFE" + utf16Body, kNumLock, PresetValue::On},
        {utf16Be, kNumLock, PresetValue::On},
        {"[Other]\nbad line\n[ tweaks ]\n\t brivexcb1 \t=\t OFF \n", kErrorReporting, PresetValue::Off},
        {"[TWEAKS]\n   ; SecurityCenter = on\nSECURITYCENTER = Keep\n", kSecurityCenter, PresetValue::Keep},
        {"[Tweaks]\nNumLock = on\n[Notes]\nwhatever text\n", kNumLock, PresetValue::On},
    };
    for (const Case& c : cases) {
        const PresetReading reading = ReadPreset(c.text);
        ASSERT_EQ(reading.fault, PresetFault::None) << c.text << " line " << reading.line;
        EXPECT_EQ(reading.preset.values[c.entry], c.value) << c.text;
        EXPECT_EQ(std::ranges::count_if(reading.preset.values, [](auto v) { return v.has_value(); }), 1) << c.text;
    }
}

TEST(Preset_Export, ReadsBackAsTheStatesItWasWrittenFrom) {
    std::array<TweakState, kTweakCount> states{};
    for (std::size_t i = 0; i < kTweakCount; ++i) states[i] = static_cast<TweakState>(i % 3);
    const std::string text = WritePreset(states);
    EXPECT_TRUE(
        text.starts_with("\xEF\xBB\xBF; Brivex Doziv — préréglage des comportements\r\n[Tweaks]\r\n"
                         "; Le rapport d'erreur\r\nErrorReporting = off\r\n"
                         "; Gestion des processus\r\nDesktopProcess = on\r\n"
                         "; Le  service de gravure de Windows\r\n; état actuel inconnu\r\nCdBurning = keep\r\n"));
    const PresetReading reading = ReadPreset(text);
    ASSERT_EQ(reading.fault, PresetFault::None);
    EXPECT_TRUE(ComparePreset(reading.preset, states).empty());
    for (std::size_t i = 0; i < kTweakCount; ++i) EXPECT_TRUE(reading.preset.values[i].has_value()) << i;
}

TEST(Preset_Check, OnlyOffAndOnCountAndAnUnknownStateAlwaysDiffers) {
    Preset preset;
    preset.values[0] = PresetValue::Off;
    preset.values[1] = PresetValue::On;
    preset.values[2] = PresetValue::Keep;
    preset.values[3] = PresetValue::On;
    std::array<TweakState, kTweakCount> states{};
    states.fill(TweakState::Unknown);
    states[0] = TweakState::SwitchedOff;
    states[1] = TweakState::SwitchedOff;
    const std::vector<PresetDifference> differences = ComparePreset(preset, states);
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0].entry, 1u);
    EXPECT_EQ(differences[0].found, TweakState::SwitchedOff);
    EXPECT_EQ(differences[1].entry, 3u);
    EXPECT_EQ(differences[1].found, TweakState::Unknown);
}

}  // namespace
}  // namespace brivex::testing
