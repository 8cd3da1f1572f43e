// Windows asked to stay on top stay on top: the main window when the settings
// say so, and the finishing window always.

#include <gtest/gtest.h>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

// Generous: the first program of a new prefix waits for Wine to set the prefix up.
constexpr DWORD kWindowTimeout = 60000;

class TopmostE2e : public ::testing::Test {
protected:
    TopmostE2e() {
        EndLeftoverInstances();
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");
    }
    ~TopmostE2e() override { ClearSettings(); }

    Installation installation;
};

TEST_F(TopmostE2e, TheMainWindowIsTopmostExactlyWhenTheSettingSaysOne) {
    const struct {
        const wchar_t* ontop;
        bool topmost;
    } cases[] = {{L"1", true}, {L"0", false}};
    for (const auto& c : cases) {
        SaveSetting(L"config", L"ontop", c.ontop);
        Program program(installation.Exe());
        HWND main = program.WaitForWindow(L"Velmora Xp", kWindowTimeout);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(IsTopmost(main), c.topmost);
        Click(FindChild(main, L"Quitter"));
        EXPECT_TRUE(program.WaitForExit(10000));
    }
}

TEST_F(TopmostE2e, TheFinishingWindowIsTopmost) {
    SaveSetting(L"config", L"reboot", L"ok");
    Program program(installation.Exe());
    HWND finishing = program.WaitForWindow(L"Brivex Doziv Optimizing...", kWindowTimeout);
    ASSERT_NE(finishing, nullptr);
    EXPECT_TRUE(IsTopmost(finishing));
    // The restart prompt comes once the report is out; Yes would end the Wine session.
    auto prompt = program.WaitForMessageBox(30000);
    ASSERT_TRUE(prompt);
    AnswerMessageBox(*prompt, IDNO);
    EXPECT_TRUE(program.WaitForExit(10000));
}

}  // namespace
}  // namespace brivex::e2e
