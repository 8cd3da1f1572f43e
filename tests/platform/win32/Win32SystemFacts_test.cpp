#include "platform/win32/Win32SystemFacts.h"

#include <gtest/gtest.h>

namespace brivex {
namespace {

// Wine's machine stands in a workgroup: the join query must not be taken for a domain.
TEST(Win32SystemFacts, AWorkgroupMachineIsJoinedToNoDomain) {
    Win32SystemFacts system;
    EXPECT_FALSE(system.JoinedToDomain());
}

}  // namespace
}  // namespace brivex
