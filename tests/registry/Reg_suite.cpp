// The registry module's promises, checked on every registry it runs on: the
// in-memory one natively and the real one under Wine.

#include <gtest/gtest.h>

#include "registry/Reg.h"
#include "registry/RegistryHarness.h"

namespace brivex::testing {
namespace {

class RegSuite : public ::testing::Test {
protected:
    std::unique_ptr<RegistryHarness> harness = MakeRegistryHarness();
    Reg reg{harness->Api(), harness->Ansi()};

    std::string Key(const std::string& sub = {}) const {
        return sub.empty() ? harness->Base() : harness->Base() + "\\" + sub;
    }
    static constexpr RegKey HKCU = regroot::CurrentUser;
};

using Reg_Write = RegSuite;

TEST_F(Reg_Write, IntoAMissingKeyCreatesNothingAndReturnsNormally) {
    reg.WriteValue(HKCU, Key("Missing\\Deeper"), "Value", "1", 1);
    reg.WriteValue(HKCU, Key("Missing"), "Value", "00000004", 4);
    EXPECT_FALSE(harness->KeyExists(Key("Missing")));
    EXPECT_FALSE(harness->GetRaw(Key(), "Value"));
}

TEST_F(Reg_Write, DwordTextIsReadAsADecimalNumber) {
    struct Case {
        RegistryData data;
        std::uint32_t stored;
    };
    const Case cases[] = {
        {"00000002", 2},
        {"00000038", 38},
        {"1", 1},
        {"0", 0},
        {"-1", 0xFFFFFFFFu},
        {" 12 ", 12},
        {"2147483647", 0x7FFFFFFFu},
        {std::int32_t{-5}, 0xFFFFFFFBu},
        {RegistryData(), 0},
    };
    for (const Case& c : cases) {
        reg.WriteValue(HKCU, Key(), "Number", c.data, 4);
        EXPECT_EQ(harness->GetRaw(Key(), "Number")->bytes, Dword(c.stored).bytes);
        EXPECT_EQ(harness->GetRaw(Key(), "Number")->type, 4u);
    }
}

TEST_F(Reg_Write, DwordTextThatIsNoNumberWritesNothing) {
    harness->PutRaw(Key(), "Number", Dword(7));
    for (const char* bad : {"abc", "", "12x", "4294967296"}) {
        reg.WriteValue(HKCU, Key(), "Number", bad, 4);
        EXPECT_EQ(harness->GetRaw(Key(), "Number")->bytes, Dword(7).bytes) << bad;
    }
}

TEST_F(Reg_Write, TextIsStoredWithoutTerminator) {
    reg.WriteValue(HKCU, Key(), "Text", "1", 1);
    const auto raw = harness->GetRaw(Key(), "Text");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->type, 1u);
    ASSERT_GE(raw->bytes.size(), 1u);
    EXPECT_EQ(raw->bytes[0], '1');
    if (harness->ReportsExactStringSize()) { EXPECT_EQ(raw->bytes.size(), 1u); }
}

TEST_F(Reg_Write, TextGoesInTheAnsiCodePage) {
    reg.WriteValue(HKCU, Key(), "Text", "Général", 1);
    const auto raw = harness->GetRaw(Key(), "Text");
    ASSERT_TRUE(raw);
    ASSERT_GE(raw->bytes.size(), 7u);
    EXPECT_EQ(raw->bytes[1], 0xE9);  // é in Windows-1252
    EXPECT_EQ(std::string(raw->bytes.begin(), raw->bytes.begin() + 7), "G\xE9n\xE9ral");
}

TEST_F(Reg_Write, NumberWrittenAsTextBecomesItsDigits) {
    reg.WriteValue(HKCU, Key(), "Text", std::int32_t{-42}, 1);
    const auto raw = harness->GetRaw(Key(), "Text");
    ASSERT_TRUE(raw);
    EXPECT_EQ(std::string(raw->bytes.begin(), raw->bytes.begin() + 3), "-42");
}

TEST_F(Reg_Write, OtherTypesWriteNothing) {
    for (const std::int32_t type : {0, 2, 3, 7, 11, -1}) reg.WriteValue(HKCU, Key(), "Other", "1", type);
    EXPECT_FALSE(harness->GetRaw(Key(), "Other"));
    EXPECT_EQ(reg.WriteOpenKeyValue(0, "Other", 3, "1"), 0) << "an unknown type is not an error";
}

TEST_F(Reg_Write, ReplacesAValueOfAnotherType) {
    harness->PutRaw(Key(), "Mixed", Dword(9));
    reg.WriteValue(HKCU, Key(), "Mixed", "nine", 1);
    EXPECT_EQ(harness->GetRaw(Key(), "Mixed")->type, 1u);
}

TEST_F(Reg_Write, NamesIgnoreLetterCase) {
    harness->CreateKey(Key("Sub"));
    reg.WriteValue(HKCU, Key("SUB"), "Value", "1", 4);
    reg.WriteValue(HKCU, Key("sub"), "VALUE", "2", 4);
    EXPECT_EQ(harness->GetRaw(Key("Sub"), "value")->bytes, Dword(2).bytes);
}

TEST_F(Reg_Write, VeryLongTextRoundTrips) {
    const std::string longText(20000, 'x');
    reg.WriteValue(HKCU, Key(), "Long", longText, 1);
    const RegistryData read = reg.ReadValue(HKCU, Key(), "Long");
    ASSERT_TRUE(read.IsText());
    EXPECT_EQ(read.Text().substr(0, longText.size()), longText);
}

using Reg_Read = RegSuite;

TEST_F(Reg_Read, DwordComesBackAsNumber) {
    harness->PutRaw(Key(), "Number", Dword(0xFFFFFFFEu));
    const RegistryData read = reg.ReadValue(HKCU, Key(), "Number");
    ASSERT_TRUE(read.IsNumber());
    EXPECT_EQ(read.Number(), -2);
}

TEST_F(Reg_Read, TextKeepsTheStoredTerminatorAsLastCharacter) {
    harness->PutRaw(Key(), "Text", Text(std::string("abc\0", 4)));
    const RegistryData read = reg.ReadValue(HKCU, Key(), "Text");
    ASSERT_TRUE(read.IsText());
    EXPECT_EQ(read.Text(), std::string("abc\0", 4));
}

TEST_F(Reg_Read, TextComesBackFromTheAnsiCodePage) {
    harness->PutRaw(Key(), "Text",
                    Text(std::string("Fran\xE7"
                                     "ais\0",
                                     9)));
    EXPECT_EQ(reg.ReadValue(HKCU, Key(), "Text").Text(), std::string("Français\0", 10));
}

TEST_F(Reg_Read, EmptyTextIsAnEmptyTextNotNothing) {
    harness->PutRaw(Key(), "Empty", Text(std::string("\0", 1)));
    const RegistryData read = reg.ReadValue(HKCU, Key(), "Empty");
    ASSERT_TRUE(read.IsText());
    EXPECT_EQ(read.Text(), std::string("\0", 1));
}

TEST_F(Reg_Read, UnsupportedTypesMissingValuesAndMissingKeysGiveNothing) {
    harness->PutRaw(Key(), "Expand", {2, {'%', 'x', '%', 0}});
    harness->PutRaw(Key(), "Binary", {3, {1, 2, 3}});
    harness->PutRaw(Key(), "Multi", {7, {'a', 0, 0}});
    for (const char* name : {"Expand", "Binary", "Multi", "Absent"})
        EXPECT_TRUE(reg.ReadValue(HKCU, Key(), name).IsEmpty()) << name;
    EXPECT_TRUE(reg.ReadValue(HKCU, Key("Nowhere"), "Expand").IsEmpty());
}

TEST_F(Reg_Read, OpenKeyStatusesAndUntouchedData) {
    harness->PutRaw(Key(), "Binary", {3, {1}});
    harness->PutRaw(Key(), "Number", Dword(5));
    RegKey key = 0;
    ASSERT_EQ(harness->Api().OpenKey(HKCU, harness->Ansi().ToAnsi(Key()), 0, Reg::kAccessMask, key), 0);

    RegistryData data("kept");
    EXPECT_EQ(reg.ReadOpenKeyValue(key, "Absent", data), 2);
    EXPECT_EQ(data, RegistryData("kept"));
    EXPECT_EQ(reg.ReadOpenKeyValue(key, "Binary", data), -1);
    EXPECT_EQ(data, RegistryData("kept"));
    EXPECT_EQ(reg.ReadOpenKeyValue(key, "Number", data), 0);
    EXPECT_EQ(data, RegistryData(std::int32_t{5}));
    harness->Api().CloseKey(key);
}

TEST_F(Reg_Read, WriteOpenKeyValueReportsTheRegistryStatus) {
    RegKey key = 0;
    ASSERT_EQ(harness->Api().OpenKey(HKCU, harness->Ansi().ToAnsi(Key()), 0, Reg::kAccessMask, key), 0);
    EXPECT_EQ(reg.WriteOpenKeyValue(key, "Number", 4, "3"), 0);
    harness->Api().CloseKey(key);
    EXPECT_NE(reg.WriteOpenKeyValue(0, "Number", 4, "3"), 0) << "no key, no write";
}

using Reg_Delete = RegSuite;

TEST_F(Reg_Delete, ValueGoesAndOthersStay) {
    harness->PutRaw(Key(), "Gone", Dword(1));
    harness->PutRaw(Key(), "Stays", Dword(2));
    reg.DeleteValue(HKCU, Key(), "GONE");
    EXPECT_FALSE(harness->GetRaw(Key(), "Gone"));
    EXPECT_TRUE(harness->GetRaw(Key(), "Stays"));
}

TEST_F(Reg_Delete, AbsentValueOrKeyIsNothing) {
    harness->PutRaw(Key(), "Stays", Dword(2));
    reg.DeleteValue(HKCU, Key(), "Absent");
    reg.DeleteValue(HKCU, Key("Nowhere"), "Stays");
    reg.DeleteKey(HKCU, Key("Nowhere"));
    EXPECT_TRUE(harness->GetRaw(Key(), "Stays"));
}

TEST_F(Reg_Delete, KeyWithSubkeysStaysAndALeafKeyGoes) {
    harness->CreateKey(Key("Parent\\Child"));
    reg.DeleteKey(HKCU, Key("Parent"));
    EXPECT_TRUE(harness->KeyExists(Key("Parent\\Child")));
    reg.DeleteKey(HKCU, Key("parent\\CHILD"));
    EXPECT_FALSE(harness->KeyExists(Key("Parent\\Child")));
    EXPECT_TRUE(harness->KeyExists(Key("Parent")));
}

}  // namespace
}  // namespace brivex::testing
