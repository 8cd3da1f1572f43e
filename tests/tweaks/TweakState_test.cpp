#include "tweaks/TweakState.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/portable/Cp1252Codec.h"
#include "platform/portable/MemoryRegistry.h"

namespace brivex {
namespace {

constexpr RegKey HKLM = regroot::LocalMachine;
const std::string kErrorReporting = "SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting";
const std::string kPoliciesAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Advanced";
const std::string kSecurityService = "SYSTEM\\CurrentControlSet\\Services\\wscsvc";
const std::string kKeyboard = ".DEFAULT\\Control Panel\\Keyboard";

MemoryRegistry::StoredValue Sz(const std::string& text) { return {regtype::String, {text.begin(), text.end()}}; }
MemoryRegistry::StoredValue Dword(std::uint32_t v) {
    return {regtype::Dword,
            {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
             static_cast<std::uint8_t>(v >> 24)}};
}

const TweakEntry& EntryOf(std::string_view box) {
    for (const TweakEntry& entry : TweakCatalogue())
        if ("BrivexCB" + std::to_string(entry.box) == box) return entry;
    throw std::logic_error("no such box");
}

const char* Name(TweakState state) {
    switch (state) {
        case TweakState::SwitchedOff: return "off";
        case TweakState::SwitchedOn: return "on";
        default: return "?";
    }
}

TEST(TweakState_OneValue, TypeAndDataDecide) {
    struct Case {
        const char* what;
        const char* box;
        std::string key;
        const char* value;
        std::optional<MemoryRegistry::StoredValue> stored;  // none: the key exists, the value does not
        const char* expected;
    };
    const Case cases[] = {
        {"DWORD 4", "BrivexCB18", kSecurityService, "Start", Dword(4), "off"},
        {"DWORD 2", "BrivexCB18", kSecurityService, "Start", Dword(2), "on"},
        {"DWORD 3, a start mode of neither button", "BrivexCB18", kSecurityService, "Start", Dword(3), "?"},
        {"the right digit as text", "BrivexCB18", kSecurityService, "Start", Sz("4"), "?"},
        {"absent value", "BrivexCB18", kSecurityService, "Start", std::nullopt, "?"},
        {"text 1", "BrivexCB6", kPoliciesAdvanced, "HideFileExt", Sz("1"), "off"},
        {"text 0", "BrivexCB6", kPoliciesAdvanced, "HideFileExt", Sz("0"), "on"},
        {"text stored with its terminator", "BrivexCB6", kPoliciesAdvanced, "HideFileExt", Sz(std::string("1\0", 2)),
         "off"},
        {"the right number as DWORD", "BrivexCB6", kPoliciesAdvanced, "HideFileExt", Dword(1), "?"},
        {"expandable text", "BrivexCB6", kPoliciesAdvanced, "HideFileExt",
         MemoryRegistry::StoredValue{regtype::ExpandString, {'1'}}, "?"},
        {"text with a blank", "BrivexCB6", kPoliciesAdvanced, "HideFileExt", Sz("1 "), "?"},
        {"no lock", "BrivexCB12", kKeyboard, "InitialKeyboardIndicators", Sz("0"), "off"},
        {"Num Lock", "BrivexCB12", kKeyboard, "InitialKeyboardIndicators", Sz("2"), "on"},
        {"Caps Lock", "BrivexCB12", kKeyboard, "InitialKeyboardIndicators", Sz("1"), "?"},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        Cp1252Codec codec;
        Reg reg(registry, codec);
        const RegKey root = EntryOf(c.box).off.front().root;
        registry.CreateKey(root, c.key);
        if (c.stored) registry.PutValue(root, c.key, c.value, *c.stored);
        EXPECT_STREQ(Name(ReadTweakState(reg, EntryOf(c.box))), c.expected) << c.what;
    }
}

TEST(TweakState_OneValue, MissingKeyIsUnknown) {
    MemoryRegistry registry;
    Cp1252Codec codec;
    Reg reg(registry, codec);
    EXPECT_EQ(ReadTweakState(reg, EntryOf("BrivexCB18")), TweakState::Unknown);
}

TEST(TweakState_SixValues, EveryValueMustHoldTheSameSide) {
    const std::vector<std::string> names = {"AllOrNone",          "DoReport",           "IncludeKernelFaults",
                                            "IncludeMicrosoftApps", "IncludeWindowsApps", "ShowUI"};
    struct Case {
        const char* what;
        std::vector<MemoryRegistry::StoredValue> values;  // in the order of `names`
        TweakState expected;
    };
    const Case cases[] = {
        {"all off", {Sz("0"), Dword(0), Sz("0"), Sz("0"), Sz("0"), Sz("0")}, TweakState::SwitchedOff},
        {"all on", {Sz("1"), Dword(1), Sz("1"), Sz("1"), Sz("1"), Sz("1")}, TweakState::SwitchedOn},
        {"one of the other side", {Sz("0"), Dword(0), Sz("0"), Sz("0"), Sz("0"), Sz("1")}, TweakState::Unknown},
        {"DoReport as text", {Sz("0"), Sz("0"), Sz("0"), Sz("0"), Sz("0"), Sz("0")}, TweakState::Unknown},
        {"one missing", {Sz("1"), Dword(1), Sz("1"), Sz("1"), Sz("1")}, TweakState::Unknown},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        Cp1252Codec codec;
        Reg reg(registry, codec);
        registry.CreateKey(HKLM, kErrorReporting);
        for (std::size_t i = 0; i < c.values.size(); ++i) registry.PutValue(HKLM, kErrorReporting, names[i], c.values[i]);
        EXPECT_EQ(ReadTweakState(reg, EntryOf("BrivexCB1")), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace brivex
