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
const std::string kWindowsErrorReporting = "SOFTWARE\\Microsoft\\Windows\\Windows Error Reporting";
const std::string kExplorerAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const std::string kSecurityService = "SYSTEM\\CurrentControlSet\\Services\\wscsvc";
const std::string kCrashControl = "SYSTEM\\CurrentControlSet\\Control\\CrashControl";
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
        {"the number's digits as text", "BrivexCB18", kSecurityService, "Start", Sz("4"), "off"},
        {"leading zeros are other digits", "BrivexCB18", kSecurityService, "Start", Sz("04"), "?"},
        {"absent value", "BrivexCB18", kSecurityService, "Start", std::nullopt, "?"},
        {"DWORD 1", "BrivexCB6", kExplorerAdvanced, "HideFileExt", Dword(1), "off"},
        {"DWORD 0", "BrivexCB6", kExplorerAdvanced, "HideFileExt", Dword(0), "on"},
        {"text an earlier version wrote", "BrivexCB6", kExplorerAdvanced, "HideFileExt", Sz("0"), "on"},
        {"text stored with its terminator", "BrivexCB6", kExplorerAdvanced, "HideFileExt", Sz(std::string("1\0", 2)),
         "off"},
        {"expandable text", "BrivexCB6", kExplorerAdvanced, "HideFileExt",
         MemoryRegistry::StoredValue{regtype::ExpandString, {'1'}}, "?"},
        {"text with a blank", "BrivexCB6", kExplorerAdvanced, "HideFileExt", Sz("1 "), "?"},
        {"Windows' own default", "BrivexCB13", kCrashControl, "AutoReboot", Dword(1), "on"},
        {"no lock", "BrivexCB12", kKeyboard, "InitialKeyboardIndicators", Sz("0"), "off"},
        {"Num Lock", "BrivexCB12", kKeyboard, "InitialKeyboardIndicators", Sz("2"), "on"},
        {"Num Lock stored as a number", "BrivexCB12", kKeyboard, "InitialKeyboardIndicators", Dword(2), "on"},
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

// Error reporting: six values where XP reads them, one where Vista and later do.
TEST(TweakState_ErrorReporting, EveryValueOfAKeyThisWindowsHasMustHoldTheSameSide) {
    const std::vector<std::string> names = {
        "AllOrNone", "DoReport", "IncludeKernelFaults", "IncludeMicrosoftApps", "IncludeWindowsApps", "ShowUI"};
    using Values = std::vector<MemoryRegistry::StoredValue>;  // in the order of `names`
    const Values off(6, Dword(0));
    const Values on(6, Dword(1));
    struct Case {
        const char* what;
        std::optional<Values> xp;  // none: no such key
        std::optional<MemoryRegistry::StoredValue> disabled;
        TweakState expected;
    };
    const Case cases[] = {
        {"all off", off, Dword(1), TweakState::SwitchedOff},
        {"all on", on, Dword(0), TweakState::SwitchedOn},
        {"as an earlier version wrote them, on XP", Values{Sz("0"), Dword(0), Sz("0"), Sz("0"), Sz("0"), Sz("0")},
         std::nullopt, TweakState::SwitchedOff},
        {"only the key of Vista and later", std::nullopt, Dword(1), TweakState::SwitchedOff},
        {"one value of the other side", off, Dword(0), TweakState::Unknown},
        {"one value missing", Values{Dword(1), Dword(1), Dword(1), Dword(1), Dword(1)}, Dword(0), TweakState::Unknown},
        {"neither key", std::nullopt, std::nullopt, TweakState::Unknown},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        Cp1252Codec codec;
        Reg reg(registry, codec);
        if (c.xp) {
            registry.CreateKey(HKLM, kErrorReporting);
            for (std::size_t i = 0; i < c.xp->size(); ++i)
                registry.PutValue(HKLM, kErrorReporting, names[i], (*c.xp)[i]);
        }
        if (c.disabled) {
            registry.CreateKey(HKLM, kWindowsErrorReporting);
            registry.PutValue(HKLM, kWindowsErrorReporting, "Disabled", *c.disabled);
        }
        EXPECT_EQ(ReadTweakState(reg, EntryOf("BrivexCB1")), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace brivex
