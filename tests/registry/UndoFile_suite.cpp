// The undo file records the registry as each registry has it: the in-memory
// one natively and the real one under Wine.

#include <gtest/gtest.h>

#include <cctype>

#include "registry/RegistryHarness.h"
#include "registry/UndoFile.h"

namespace brivex::testing {
namespace {

class UndoFileSuite : public ::testing::Test {
protected:
    std::unique_ptr<RegistryHarness> harness = MakeRegistryHarness();
    UndoFile undo{harness->Api(), harness->Ansi()};

    std::string Key(const std::string& sub = {}) const {
        return sub.empty() ? harness->Base() : harness->Base() + "\\" + sub;
    }
    std::string Header(const std::string& sub = {}) const { return "\r\n[HKEY_CURRENT_USER\\" + Key(sub) + "]\r\n"; }
    static constexpr RegKey HKCU = regroot::CurrentUser;
    static constexpr char kStart[] = "Windows Registry Editor Version 5.00\r\n";
};

TEST_F(UndoFileSuite, EachValueIsRecordedAsItIsAndAMissingOneAsADeletion) {
    harness->PutRaw(Key(), "Timeout", Text("5000"));
    harness->PutRaw(Key(), "Start", Dword(2));
    harness->PutRaw(Key(), "Bytes", RawValue{3, {0x01, 0xFE}});
    harness->PutRaw(Key(), "Lines", RawValue{7, {'a', 0, 'b', 0, 0}});
    harness->PutRaw(Key(), "Langue",
                    Text("Fran\xE7"
                         "ais"));  // ANSI ç
    for (const char* name : {"Timeout", "Start", "Bytes", "Lines", "Langue", "Absent"})
        undo.RecordValue(HKCU, Key(), name);

    EXPECT_EQ(undo.Text(), kStart + Header() +
                               "\"Timeout\"=\"5000\"\r\n"
                               "\"Start\"=dword:00000002\r\n"
                               "\"Bytes\"=hex:01,fe\r\n"
                               "\"Lines\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
                               "\"Langue\"=\"Fran\xC3\xA7"
                               "ais\"\r\n"
                               "\"Absent\"=-\r\n");
}

TEST_F(UndoFileSuite, AValueKeepsTheStateItHadWhenFirstRecorded) {
    harness->PutRaw(Key(), "Start", Dword(2));
    undo.RecordValue(HKCU, Key(), "Start");
    harness->PutRaw(Key(), "Start", Dword(4));
    undo.RecordValue(HKCU, Key(), "START");
    std::string otherCase = Key();
    for (char& c : otherCase) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    undo.RecordValue(HKCU, otherCase, "start");
    EXPECT_EQ(undo.Text(), kStart + Header() + "\"Start\"=dword:00000002\r\n");
}

TEST_F(UndoFileSuite, KeysTheRunCannotReachAreLeftOut) {
    undo.RecordValue(HKCU, Key("Missing"), "Start");
    undo.RecordKeyRemoval(HKCU, Key("Missing"));
    harness->CreateKey(Key("Parent\\Child"));
    harness->PutRaw(Key("Parent"), "Kept", Dword(1));
    undo.RecordKeyRemoval(HKCU, Key("Parent"));
    EXPECT_TRUE(undo.IsEmpty()) << undo.Text();
    EXPECT_EQ(undo.Text(), kStart);
}

TEST_F(UndoFileSuite, ARemovedKeyComesBackWithEveryValueItHad) {
    harness->CreateKey(Key("Leaf"));
    harness->PutRaw(Key("Leaf"), "", Text("default"));
    harness->PutRaw(Key("Leaf"), "Count", Dword(7));
    undo.RecordKeyRemoval(HKCU, Key("Leaf"));
    undo.RecordKeyRemoval(HKCU, Key("leaf"));

    const std::string text = undo.Text();
    const std::string removal = "\r\n[-HKEY_CURRENT_USER\\" + Key("Leaf") + "]\r\n" + Header("Leaf");
    ASSERT_EQ(text.substr(0, std::string(kStart).size() + removal.size()), kStart + removal);
    const std::string values = text.substr(std::string(kStart).size() + removal.size());
    EXPECT_NE(values.find("@=\"default\"\r\n"), std::string::npos) << text;
    EXPECT_NE(values.find("\"Count\"=dword:00000007\r\n"), std::string::npos) << text;
    EXPECT_EQ(values.size(), std::string("@=\"default\"\r\n\"Count\"=dword:00000007\r\n").size()) << text;
}

}  // namespace
}  // namespace brivex::testing
