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
    Dword(HKCU, kDesktop, "Large", 1).When(WriteCondition::LargeMemory),
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
    EXPECT_EQ(undoAtFirstWrite,
              (std::vector<std::string>{"Windows Registry Editor Version 5.00\r\n\r\n"
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

TEST_F(ApplyWrites_List, ARowWhoseConditionFailsIsToldNotedInTheUndoFileAndLeftAsItIs) {
    using enum WriteCondition;
    using Stored = MemoryRegistry::StoredValue;
    const auto dword = [](std::uint32_t v) { return std::optional(Stored{regtype::Dword, Bytes(v)}); };
    struct Case {
        WriteCondition condition;
        bool large;
        bool domain;
        std::optional<Stored> there;
        bool made;
    };
    const Case cases[] = {
        {LargeMemory, false, false, {}, false},
        {LargeMemory, true, true, {}, true},
        {OutsideDomain, true, true, {}, false},
        {OutsideDomain, false, false, {}, true},
        {NotSystemManaged, false, false, dword(0x80000002), false},
        {NotSystemManaged, false, false, dword(0x80000000), false},
        {NotSystemManaged, false, false, dword(1), true},
        {NotSystemManaged, false, false, {}, true},
        {NotPerVolume, false, false, dword(2), false},
        {NotPerVolume, false, false, dword(3), false},
        {NotPerVolume, false, false, dword(1), true},
        {NotPerVolume, false, false, dword(0x80000002), true},
        {NotPerVolume, false, false, Stored{regtype::String, {'2', 0}}, true},  // the kernel reads no text
        {NotPerVolume, false, false, {}, true},
    };
    for (const Case& c : cases) {
        const std::string name = "Row" + std::to_string(&c - cases);
        if (c.there) registry.PutValue(HKCU, kDesktop, name, *c.there);
        const RegistryWrite list[] = {Dword(HKCU, kDesktop, name, 0).When(c.condition), kList[0]};
        std::vector<std::string> told;
        ApplyOptions options;
        options.largeMemory = c.large;
        options.joinedToDomain = c.domain;
        options.onSkip = [&](const RegistryWrite& write, WriteCondition unmet) {
            told.push_back(std::string(write.valueName) + (unmet == c.condition ? "" : " (another condition)"));
            return "kept " + told.back();
        };
        ApplyWrites(platform, list, options);
        const auto bytes = [](const std::optional<Stored>& v) { return v ? std::optional(v->bytes) : std::nullopt; };
        EXPECT_EQ(bytes(registry.FindValue(HKCU, kDesktop, name)), bytes(c.made ? dword(0) : c.there)) << name;
        EXPECT_EQ(told, c.made ? std::vector<std::string>{} : std::vector<std::string>{name}) << name;
        const std::string undo = UndoTexts().back();
        EXPECT_EQ(undo.find("\"" + name + "\"=") != std::string::npos, c.made) << undo;
        EXPECT_EQ(undo.starts_with("Windows Registry Editor Version 5.00\r\n\r\n; kept " + name + "\r\n\r\n["), !c.made)
            << undo;
    }
}

}  // namespace
}  // namespace brivex::testing
