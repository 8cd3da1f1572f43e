#include "footprint/ProgramFootprint.h"

#include <gtest/gtest.h>

#include "footprint/WineRegistryNoise.h"

namespace brivex::footprint {
namespace {

constexpr std::uint32_t SZ = 1;
constexpr std::uint32_t DWORD = 4;
const std::string kSettings = "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Brivex Doziv";
const std::string kRemovedKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace\\"
    "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";

struct Case {
    const char* what;
    Difference difference;
    std::vector<Group> groups;
};

const Case kCases[] = {
    {"an optimisation row",
     {Change::ValueChanged, "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control", "WaitToKillServiceTimeout", SZ},
     {Group::Optimisation}},
    {"an optimisation number row",
     {Change::ValueAdded, "HKEY_CURRENT_USER\\Control Panel\\Desktop", "ForegroundLockTimeout", DWORD},
     {Group::Optimisation}},
    {"the row's type is the one written",
     {Change::ValueChanged, "HKEY_CURRENT_USER\\Control Panel\\Desktop", "ForegroundLockTimeout", SZ},
     {}},
    {"a neighbour of a row", {Change::ValueChanged, "HKEY_CURRENT_USER\\Control Panel\\Desktop", "Wallpaper", SZ}, {}},
    {"a row of both tables",
     {Change::ValueChanged, "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer",
      "DesktopProcess", DWORD},
     {Group::Optimisation, Group::Tweaks}},
    {"a tweak under HKEY_USERS, in Wine's letter case",
     {Change::ValueAdded, "HKEY_USERS\\.Default\\Control Panel\\Keyboard", "InitialKeyboardIndicators", SZ},
     {Group::Tweaks}},
    {"a tweak's value deleted",
     {Change::ValueDeleted, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Security Center", "FirewallDisableNotify", DWORD},
     {Group::Tweaks}},
    {"the Run value written",
     {Change::ValueAdded, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Velmora Doziv", SZ},
     {Group::StartWithWindows}},
    {"the Run value deleted",
     {Change::ValueDeleted, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Velmora Doziv",
      SZ},
     {Group::StartWithWindows}},
    {"another Run value",
     {Change::ValueAdded, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Velmora", SZ},
     {}},
    {"the removed key", {Change::KeyDeleted, kRemovedKey, ""}, {Group::Optimisation}},
    {"a value of the removed key", {Change::ValueDeleted, kRemovedKey, "", SZ}, {Group::Optimisation}},
    {"the removed key's parent", {Change::KeyDeleted, kRemovedKey.substr(0, kRemovedKey.rfind('\\')), ""}, {}},
    {"a key the optimisation writes into, created",
     {Change::KeyCreated, "HKEY_CURRENT_USER\\SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", ""},
     {}},
    {"a setting", {Change::ValueAdded, kSettings + "\\config", "Winstart", SZ}, {Group::Settings}},
    {"a setting that is no text", {Change::ValueAdded, kSettings + "\\config", "Winstart", DWORD}, {}},
    {"a setting deleted", {Change::ValueDeleted, kSettings + "\\config", "Winstart", SZ}, {}},
    {"a settings section created", {Change::KeyCreated, kSettings + "\\FILES", ""}, {Group::Settings}},
    {"the settings key created", {Change::KeyCreated, kSettings, ""}, {Group::Settings}},
    {"the store's area created with it",
     {Change::KeyCreated, "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings", ""},
     {Group::Settings}},
    {"another program's settings",
     {Change::KeyCreated, "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Brivex", ""},
     {}},
    {"the user's Software key", {Change::KeyCreated, "HKEY_CURRENT_USER\\Software", ""}, {}},
    {"a settings key deleted", {Change::KeyDeleted, kSettings + "\\config", ""}, {}},
};

TEST(ProgramFootprint_Groups, WhatTheTablesNameAndNothingElse) {
    const ProgramFootprint footprint;
    for (const Case& c : kCases) EXPECT_EQ(footprint.GroupsAllowing(c.difference), c.groups) << c.what;
}

TEST(ProgramFootprint_Groups, EveryRowOfTheTweakPanelInBothDirections) {
    const ProgramFootprint footprint;
    const std::string policies = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
    for (const auto& [name, type] :
         {std::pair{"NoCDBurning", DWORD}, std::pair{"AlwaysUnloadDll", SZ}, std::pair{"NoLowDiskSpaceChecks", DWORD}})
        for (Change change : {Change::ValueAdded, Change::ValueChanged, Change::ValueDeleted})
            EXPECT_EQ(footprint.GroupsAllowing({change, policies, name, type}), std::vector<Group>{Group::Tweaks})
                << name;
    EXPECT_TRUE(footprint.GroupsAllowing({Change::ValueAdded, policies, "NoDrives", SZ}).empty());
}

// Wine's own changes are left out of the check; none of them may hide a key the program writes into.
TEST(WineRegistryNoise, NeverCoversAKeyTheProgramsTablesName) {
    const ProgramFootprint footprint;
    for (const NoiseRule& rule : WineRegistryNoise())
        for (const std::string& key : footprint.Keys()) {
            EXPECT_FALSE(CoversKey(rule, key)) << rule.key << " covers " << key;
            EXPECT_FALSE(CoversKey(rule, key + "\\Section")) << rule.key << " covers under " << key;
        }
}

TEST(WineRegistryNoise, ScopesReachWhatTheySayAndNoMore) {
    const NoiseRule value{NoiseScope::Value, "HKEY_A\\K", "V"};
    const NoiseRule subtree{NoiseScope::Subtree, "HKEY_A\\K", ""};
    const Difference valueOfK{Change::ValueChanged, "HKEY_A\\k", "v", SZ};
    const Difference otherValueOfK{Change::ValueChanged, "HKEY_A\\K", "W", SZ};
    const Difference kCreated{Change::KeyCreated, "HKEY_A\\K", ""};
    const Difference underK{Change::ValueAdded, "HKEY_A\\K\\S", "V", SZ};
    const Difference besideK{Change::ValueAdded, "HKEY_A\\KS", "V", SZ};

    EXPECT_TRUE(Covers(value, valueOfK));
    EXPECT_FALSE(Covers(value, otherValueOfK));
    EXPECT_FALSE(Covers(value, kCreated));
    EXPECT_TRUE(Covers(subtree, kCreated));
    EXPECT_TRUE(Covers(subtree, underK));
    EXPECT_FALSE(Covers(subtree, besideK));
}

}  // namespace
}  // namespace brivex::footprint
