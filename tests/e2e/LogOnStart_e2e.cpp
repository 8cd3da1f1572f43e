// The start the optimisation's start-with-Windows entry makes at every
// account's log-on, marked: the real program ends at once for an account with
// no window waiting, and opens the window waiting for the others.

#include <gtest/gtest.h>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

// Generous: the first program of a new prefix waits for Wine to set the prefix up.
constexpr DWORD kWindowTimeout = 60000;

class LogOnStartE2e : public ::testing::Test {
protected:
    LogOnStartE2e() {
        EndLeftoverInstances();
        ClearSettings();
    }
    ~LogOnStartE2e() override { ClearSettings(); }

    Installation installation;
};

// A first run, too: a start that went on would show the first-run notice.
TEST_F(LogOnStartE2e, AnAccountWithNothingWaitingEndsWithinASecondShowingNothing) {
    const DWORD started = GetTickCount();
    Program program(installation.Exe(), L"/logon");
    bool shown = false;
    Poll(10000, [&] {
        shown = shown || program.AnyWindow() != nullptr;
        return !program.Running();
    });
    const DWORD took = GetTickCount() - started;
    ASSERT_FALSE(program.Running());
    EXPECT_LE(took, 1000u);
    EXPECT_EQ(program.ExitCode(), 0u);
    EXPECT_FALSE(shown);
    EXPECT_EQ(ReadSetting(L"config", L"first"), L"<absent>") << "nothing of the windows ran";
}

TEST_F(LogOnStartE2e, TheAccountThatOptimisedGetsItsFinishingWindowOneThatChoseToStartWithWindowsItsMainWindow) {
    struct Case {
        const wchar_t* entry;
        const wchar_t* value;
        const wchar_t* window;
    };
    for (const Case c :
         {Case{L"reboot", L"ok", L"Brivex Doziv Optimizing..."}, Case{L"Winstart", L"1", L"Velmora Xp"}}) {
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");
        SaveSetting(L"config", c.entry, c.value);
        Program program(installation.Exe(), L"/logon");
        EXPECT_NE(program.WaitForWindow(c.window, kWindowTimeout), nullptr) << Printable(c.entry);
    }
}

}  // namespace
}  // namespace brivex::e2e
