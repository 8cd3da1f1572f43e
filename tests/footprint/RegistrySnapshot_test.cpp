#include "footprint/RegistrySnapshot.h"

#include <gtest/gtest.h>

namespace brivex::footprint {
namespace {

const StoredValue kOne{1, {'1', 0}};
const StoredValue kTwo{1, {'2', 0}};

std::vector<std::string> Described(const RegistrySnapshot& before, const RegistrySnapshot& after) {
    std::vector<std::string> lines;
    for (const Difference& difference : Compare(before, after)) lines.push_back(Describe(difference));
    return lines;
}

TEST(RegistrySnapshot_Compare, NamesEveryKindOfChangeKeysFirst) {
    RegistrySnapshot before;
    before.AddKey("HKEY_CURRENT_USER\\Gone");
    before.AddValue("HKEY_CURRENT_USER\\Desktop", "Kept", kOne);
    before.AddValue("HKEY_CURRENT_USER\\Desktop", "Changed", kOne);
    before.AddValue("HKEY_CURRENT_USER\\Desktop", "Deleted", kOne);
    before.AddValue("HKEY_CURRENT_USER\\Desktop", "Retyped", {1, {0, 0, 0, 0}});
    RegistrySnapshot after;
    after.AddValue("HKEY_CURRENT_USER\\Desktop", "Kept", kOne);
    after.AddValue("HKEY_CURRENT_USER\\Desktop", "Changed", kTwo);
    after.AddValue("HKEY_CURRENT_USER\\Desktop", "Retyped", {4, {0, 0, 0, 0}});
    after.AddValue("HKEY_CURRENT_USER\\Desktop", "", kOne);
    after.AddKey("HKEY_CURRENT_USER\\New");

    EXPECT_EQ(Described(before, after), (std::vector<std::string>{
                                            "key created: HKEY_CURRENT_USER\\New",
                                            "key deleted: HKEY_CURRENT_USER\\Gone",
                                            "value added: HKEY_CURRENT_USER\\Desktop \"\" (type 1)",
                                            "value changed: HKEY_CURRENT_USER\\Desktop \"Changed\" (type 1)",
                                            "value changed: HKEY_CURRENT_USER\\Desktop \"Retyped\" (type 4)",
                                            "value deleted: HKEY_CURRENT_USER\\Desktop \"Deleted\" (type 1)",
                                        }));
}

TEST(RegistrySnapshot_Compare, LetterCaseAloneIsNoChange) {
    RegistrySnapshot before;
    before.AddValue("HKEY_USERS\\.DEFAULT\\Control Panel\\Keyboard", "InitialKeyboardIndicators", kOne);
    RegistrySnapshot after;
    after.AddValue("HKEY_USERS\\.Default\\control panel\\KEYBOARD", "initialkeyboardindicators", kOne);
    EXPECT_TRUE(Compare(before, after).empty());
    EXPECT_NE(after.Value("HKEY_USERS\\.DEFAULT\\Control Panel\\Keyboard", "InitialKeyboardIndicators"), nullptr);
}

TEST(RegistrySnapshot_Compare, AValueNamedLikeASubkeyIsNotTheSubkey) {
    RegistrySnapshot before;
    before.AddValue("HKEY_LOCAL_MACHINE\\A", "B", kOne);
    RegistrySnapshot after = before;
    after.AddKey("HKEY_LOCAL_MACHINE\\A\\B");
    EXPECT_EQ(Described(before, after), std::vector<std::string>{"key created: HKEY_LOCAL_MACHINE\\A\\B"});
}

TEST(RegistrySnapshot_IsAtOrUnder, WholeNamesOnly) {
    EXPECT_TRUE(IsAtOrUnder("HKEY_CURRENT_USER\\Software\\X", "HKEY_CURRENT_USER\\software"));
    EXPECT_TRUE(IsAtOrUnder("HKEY_CURRENT_USER\\Software", "HKEY_CURRENT_USER\\Software"));
    EXPECT_FALSE(IsAtOrUnder("HKEY_CURRENT_USER\\SoftwareX", "HKEY_CURRENT_USER\\Software"));
    EXPECT_FALSE(IsAtOrUnder("HKEY_CURRENT_USER", "HKEY_CURRENT_USER\\Software"));
}

}  // namespace
}  // namespace brivex::footprint
