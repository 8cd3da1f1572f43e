#include "platform/win32/Win32ProcessElevation.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "app/Elevation.h"
#include "platform/win32/WideText.h"

namespace brivex {
namespace {

// Wine gives every process a full administrator token: the token's answer
// must say so, or every start under Wine would ask again.
TEST(Win32ProcessElevation, WineProcessesAreElevated) {
    Win32ProcessElevation elevation;
    EXPECT_TRUE(elevation.Elevated());
}

TEST(Win32ProcessElevation, CommandLineStartsWithTheProgramAndCarriesItsArguments) {
    Win32ProcessElevation elevation;
    const std::string commandLine = elevation.CommandLine();
    EXPECT_NE(commandLine.find("brivex_win32_tests"), std::string::npos) << commandLine;
    EXPECT_EQ(ArgumentsOf(commandLine).find("brivex_win32_tests"), std::string::npos) << commandLine;
}

// The system starts this very program again through the "runas" verb, with
// the arguments given: here it lists its tests into a file and ends.
TEST(Win32ProcessElevation, RelaunchStartsThisProgramAgainWithTheArguments) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring list =
        std::wstring(temp) + L"brivex relaunch " + std::to_wstring(GetCurrentProcessId()) + L".xml";
    DeleteFileW(list.c_str());

    Win32ProcessElevation elevation;
    ASSERT_TRUE(elevation.RelaunchElevated("--gtest_list_tests \"--gtest_output=xml:" + Narrow(list) + "\""));
    bool listed = false;
    for (int wait = 0; wait < 600 && !listed; ++wait) {  // up to 30 s: a loaded machine starts Wine slowly
        listed = GetFileAttributesW(list.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (!listed) Sleep(50);
    }
    EXPECT_TRUE(listed) << "the new start wrote its list of tests";
    DeleteFileW(list.c_str());
}

}  // namespace
}  // namespace brivex
