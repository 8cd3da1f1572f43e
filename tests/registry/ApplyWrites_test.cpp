#include "registry/ApplyWrites.h"

#include "app/AppFixture.h"

namespace brivex::testing {
namespace {

using namespace regwrite;

constexpr RegKey HKCU = regroot::CurrentUser;
constexpr char kDesktop[] = "Control Panel\\Desktop";
constexpr char kOld[] = "Software\\Old";

std::vector<std::uint8_t> Bytes(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}

constexpr RegistryWrite kList[] = {
    Sz(HKCU, kDesktop, "MenuShowDelay", "0"),
    Dword(HKCU, "Software\\Missing", "Lost", 5),
    PageLockDword(HKCU, kDesktop, "PageLock"),
    Dword(HKCU, kDesktop, "Large", 1).OnLargeMemoryOnly(),
    KeyRemoval(HKCU, kOld),
    Dword(HKCU, kDesktop, "Count", 7),
};

class ApplyWritesTest : public AppFixture {
protected:
    ApplyWritesTest() {
        registry.PutValue(HKCU, kDesktop, "MenuShowDelay", {regtype::String, {'4', '0', '0'}});
        registry.PutValue(HKCU, kOld, "Kept", {regtype::String, {'x'}});
    }
};

using ApplyWrites_List = ApplyWritesTest;

TEST_F(ApplyWrites_List, UndoFileOfThePriorStateFirstThenEveryRowInOrderSilentOnAMissingKey) {
    std::optional<std::vector<std::string>> undoAtFirstWrite;
    registryRecorder.OnSet = [&](const std::string&) {
        if (!undoAtFirstWrite) undoAtFirstWrite = UndoTexts();
    };
    const RegistryValuePath extra[] = {{HKCU, kDesktop, "Extra"}};
    ApplyOptions options;
    options.pageLockValue = 64;
    options.alsoUndone = extra;
    EXPECT_TRUE(ApplyWrites(platform, kList, options));

    EXPECT_EQ(events, (std::vector<std::string>{"set MenuShowDelay", "set PageLock", "delete key Old", "set Count"}));
    EXPECT_EQ(undoAtFirstWrite, (std::vector<std::string>{
                                    "Windows Registry Editor Version 5.00\r\n\r\n"
                                    "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n\"MenuShowDelay\"=\"400\"\r\n"
                                    "\"PageLock\"=-\r\n\"Count\"=-\r\n\"Extra\"=-\r\n\r\n"
                                    "[-HKEY_CURRENT_USER\\Software\\Old]\r\n\r\n"
                                    "[HKEY_CURRENT_USER\\Software\\Old]\r\n\"Kept\"=\"x\"\r\n\r\n"}));
    EXPECT_EQ(registry.FindValue(HKCU, kDesktop, "MenuShowDelay")->bytes, (std::vector<std::uint8_t>{'0'}));
    EXPECT_EQ(registry.FindValue(HKCU, kDesktop, "PageLock")->bytes, Bytes(64));
    EXPECT_EQ(registry.FindValue(HKCU, kDesktop, "Count")->type, regtype::Dword);
    EXPECT_EQ(registry.FindValue(HKCU, kDesktop, "Count")->bytes, Bytes(7));
    EXPECT_FALSE(registry.KeyExists(HKCU, "Software\\Missing"));
    EXPECT_FALSE(registry.KeyExists(HKCU, kOld));
}

TEST_F(ApplyWrites_List, LargeMemoryRowsOnlyWhenAskedAndThePauseBetweenItsRows) {
    std::vector<std::string> atPause;
    ApplyOptions options;
    options.largeMemory = true;
    options.pauseAt = 4;
    options.pause = [&] { atPause = events; };
    EXPECT_TRUE(ApplyWrites(platform, kList, options));
    EXPECT_EQ(atPause, (std::vector<std::string>{"set MenuShowDelay", "set PageLock", "set Large"}));
    EXPECT_EQ(events.size(), 5u);
    EXPECT_EQ(registry.FindValue(HKCU, kDesktop, "Large")->bytes, Bytes(1));
    EXPECT_NE(UndoTexts().at(0).find("\"Large\"=-"), std::string::npos);
}

TEST_F(ApplyWrites_List, NoRowToWriteWritesNothingAndSavesNoUndoFile) {
    EXPECT_FALSE(ApplyWrites(platform, {}));
    const RegistryWrite largeOnly[] = {kList[3]};
    EXPECT_FALSE(ApplyWrites(platform, largeOnly));
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(UndoTexts().empty());
}

}  // namespace
}  // namespace brivex::testing
