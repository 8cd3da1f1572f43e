// The whole cycle of the one-click optimisation under Wine: the press, the
// staged display, the registry rows, the restart offer on quitting, the
// finishing window at the next start, and the main window after it.

#include <gtest/gtest.h>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

// Generous: the first program of a new prefix waits for Wine to set the prefix up.
constexpr DWORD kWindowTimeout = 60000;
const std::wstring kMainCaption = L"Velmora Xp";
const std::wstring kRebootCaption = L"Brivex Doziv Optimizing...";
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kOfficeCommon[] = L"SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common";

void DeleteRunValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, L"Velmora Doziv");
    RegCloseKey(key);
}

// The restart prompt is the system's dialog: answer No, as Yes would end every
// program of the Wine session.
void DeclineRestart(Program& program) {
    auto prompt = program.WaitForMessageBox(kWindowTimeout);
    ASSERT_TRUE(prompt) << "the restart prompt";
    ASSERT_NE(GetDlgItem(prompt->window, IDNO), nullptr);
    AnswerMessageBox(*prompt, IDNO);
}

class OptimisationE2e : public ::testing::Test {
protected:
    OptimisationE2e() {
        EndLeftoverInstances();
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");
        DeleteRunValue();
    }
    ~OptimisationE2e() override {
        ClearSettings();
        DeleteRunValue();
    }
    Installation installation;
};

TEST_F(OptimisationE2e, PressQuitRestartFinishAndBackToTheMainWindow) {
    const bool officeKeyBefore = KeyExists(HKEY_CURRENT_USER, kOfficeCommon);
    {
        Program program(installation.Exe());
        HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
        ASSERT_NE(main, nullptr);
        HWND optimise = FindChild(main, L"&Optimiser Windows");
        ASSERT_NE(optimise, nullptr);
        const DWORD pressed = GetTickCount();
        Click(optimise);

        ASSERT_TRUE(Poll(5000, [&] { return FindChild(main, L"Correction des Bugs du Syst\u00e8me ..") != nullptr; }));
        const DWORD stageTwo = GetTickCount() - pressed;
        EXPECT_GE(stageTwo, 1200u);
        EXPECT_LE(stageTwo, 1800u + 300u) << "stage 2 about 1.5 s after the press";
        EXPECT_FALSE(IsWindowEnabled(main)) << "the window is locked while the display runs";

        ASSERT_TRUE(Poll(60000, [&] { return FindChild(main, L"Optimisation Termin\u00e9e") != nullptr; }));
        const DWORD total = GetTickCount() - pressed;
        EXPECT_GE(total, 39000u);
        EXPECT_LE(total, 45000u);
        EXPECT_TRUE(Poll(2000, [&] { return IsWindowEnabled(main) != FALSE; }));

        EXPECT_EQ(ReadSetting(L"config", L"reboot"), L"ok");
        EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, kRunKey, L"Velmora Doziv"), L"\"" + installation.Exe() + L"\" /logon");
        EXPECT_EQ(TextValue(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"HungAppTimeOut"), L"1000");
        EXPECT_EQ(TextValue(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"MenuShowDelay"), L"0");
        EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"ForegroundLockTimeout"), 0u);
        EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control", L"WaitToKillServiceTimeout"),
                  L"1000");
        EXPECT_EQ(
            DwordValue(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
                       L"SecondLevelDataCache"),
            800u);
        EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, kOfficeCommon), officeKeyBefore) << "missing keys are not created";

        Click(FindChild(main, L"Quitter"));
        DeclineRestart(program);
        EXPECT_TRUE(program.WaitForExit(10000));
    }
    {
        Program finishing(installation.Exe());
        HWND reboot = finishing.WaitForWindow(kRebootCaption, kWindowTimeout);
        ASSERT_NE(reboot, nullptr) << "the finishing window opens instead of the main window";
        EXPECT_EQ(finishing.WaitForWindow(kMainCaption, 0), nullptr);
        auto prompt = finishing.WaitForMessageBox(20000);
        ASSERT_TRUE(prompt);
        EXPECT_EQ(ReadSetting(L"config", L"reboot"), L"no");
        EXPECT_FALSE(TextValue(HKEY_LOCAL_MACHINE, kRunKey, L"Velmora Doziv")) << "Winstart absent reads 0";
        AnswerMessageBox(*prompt, IDNO);
        EXPECT_TRUE(finishing.WaitForExit(10000));
    }
    Program next(installation.Exe());
    HWND main = next.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    Click(FindChild(main, L"Quitter"));
    EXPECT_TRUE(next.WaitForExit(10000));
}

}  // namespace
}  // namespace brivex::e2e
