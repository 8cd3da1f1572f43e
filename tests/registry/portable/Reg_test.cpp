// Windows semantics that Wine does not reproduce or cannot show (every process
// under Wine is elevated), pinned on the in-memory registry.

#include <gtest/gtest.h>

#include "platform/portable/Cp1252Codec.h"
#include "platform/portable/MemoryRegistry.h"
#include "registry/Reg.h"

namespace brivex {
namespace {

constexpr RegKey HKLM = regroot::LocalMachine;
const std::string kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class RegOnMemory : public ::testing::Test {
protected:
    MemoryRegistry registry;
    Cp1252Codec codec;
    Reg reg{registry, codec};
};

using Reg_DeniedAccess = RegOnMemory;

TEST_F(Reg_DeniedAccess, WritesNothingReadsNothingDeletesNothingSilently) {
    registry.PutValue(HKLM, kRun, "Velmora Doziv", {1, {'x'}});
    registry.DenyAccess(HKLM, kRun);

    reg.WriteValue(HKLM, kRun, "Velmora Doziv", "changed", 1);
    reg.WriteValue(HKLM, kRun, "Other", "1", 4);
    EXPECT_TRUE(reg.ReadValue(HKLM, kRun, "Velmora Doziv").IsEmpty());
    reg.DeleteValue(HKLM, kRun, "Velmora Doziv");
    reg.DeleteKey(HKLM, kRun);

    EXPECT_EQ(registry.FindValue(HKLM, kRun, "Velmora Doziv")->bytes, std::vector<std::uint8_t>{'x'});
    EXPECT_FALSE(registry.FindValue(HKLM, kRun, "Other"));
    EXPECT_TRUE(registry.KeyExists(HKLM, kRun));
}

using Reg_Handles = RegOnMemory;

TEST_F(Reg_Handles, EveryOpenAsksFor0x3FEvenToReadAndIsClosed) {
    registry.CreateKey(HKLM, kRun);
    reg.ReadValue(HKLM, kRun, "Absent");
    EXPECT_EQ(registry.LastOpenAccess(), 0x3Fu);
    reg.WriteValue(HKLM, kRun, "A", "1", 1);
    EXPECT_EQ(registry.LastOpenAccess(), 0x3Fu);
    reg.DeleteValue(HKLM, kRun, "A");
    EXPECT_EQ(registry.LastOpenAccess(), 0x3Fu);
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(Reg_Handles, EveryRootTheCallersPassIsReachable) {
    for (const RegKey root : {regroot::CurrentUser, regroot::LocalMachine, regroot::Users}) {
        registry.CreateKey(root, "K");
        reg.WriteValue(root, "K", "V", std::int32_t{1}, 4);
        EXPECT_EQ(reg.ReadValue(root, "K", "V"), RegistryData(std::int32_t{1})) << root;
    }
}

using Reg_StringSize = RegOnMemory;

TEST_F(Reg_StringSize, ProbeReportsTheCountGivenSoTheTextHasNoTrailingNul) {
    registry.CreateKey(HKLM, kRun);
    reg.WriteValue(HKLM, kRun, "Velmora Doziv", "C:\\Brivex\\Brivex Doziv.exe", 1);
    EXPECT_EQ(registry.FindValue(HKLM, kRun, "Velmora Doziv")->bytes.size(), 26u);
    EXPECT_EQ(reg.ReadValue(HKLM, kRun, "Velmora Doziv").Text(), "C:\\Brivex\\Brivex Doziv.exe");
}

TEST_F(Reg_StringSize, EmptyTextIsStoredAsZeroBytesAndReadsBackEmpty) {
    registry.CreateKey(HKLM, kRun);
    reg.WriteValue(HKLM, kRun, "Empty", "", 1);
    EXPECT_TRUE(registry.FindValue(HKLM, kRun, "Empty")->bytes.empty());
    const RegistryData read = reg.ReadValue(HKLM, kRun, "Empty");
    ASSERT_TRUE(read.IsText());
    EXPECT_EQ(read.Text(), "");
}

TEST(MemoryRegistry_Handles, AHandleToADeletedKeyFailsInsteadOfWritingIntoNothing) {
    MemoryRegistry registry;
    registry.CreateKey(HKLM, "A\\B");
    RegKey key = 0;
    ASSERT_EQ(registry.OpenKey(HKLM, "A\\B", 0, 0x3F, key), 0);
    ASSERT_EQ(registry.DeleteKey(HKLM, "A\\B"), 0);
    const std::uint8_t byte = 1;
    EXPECT_NE(registry.SetValue(key, "V", 3, &byte, 1), 0);
    EXPECT_EQ(registry.CloseKey(key), 0);
    EXPECT_NE(registry.CloseKey(key), 0) << "closed twice";
}

TEST(MemoryRegistry_Query, ShortBufferGetsMoreDataAndTheNeededSize) {
    MemoryRegistry registry;
    registry.PutValue(HKLM, "K", "V", {1, {'a', 'b', 'c'}});
    RegKey key = 0;
    ASSERT_EQ(registry.OpenKey(HKLM, "K", 0, 0x3F, key), 0);
    std::uint8_t buffer[2] = {};
    std::uint32_t type = 0, size = 2;
    EXPECT_EQ(registry.QueryValue(key, "V", type, buffer, size), regstatus::MoreData);
    EXPECT_EQ(size, 3u);
    registry.CloseKey(key);
}

}  // namespace
}  // namespace brivex
