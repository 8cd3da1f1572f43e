// The settings window under Wine, worked from outside through the windows:
// options applied and shown again at the next opening, the start-with-Windows
// value written and deleted, English chosen and the main window relabelled on
// its return, and "on top" applied to the main window at the next start.

#include <gtest/gtest.h>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

constexpr DWORD kWindowTimeout = 60000;
const std::wstring kMainCaption = L"Velmora Xp";
const std::wstring kSettingsCaption = L"Configuration";
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

void DeleteRunValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, L"Velmora Doziv");
    RegCloseKey(key);
}

class SettingsE2e : public ::testing::Test {
protected:
    SettingsE2e() {
        EndLeftoverInstances();
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");
        DeleteRunValue();
    }
    ~SettingsE2e() override {
        ClearSettings();
        DeleteRunValue();
    }

    HWND OpenSettings(Program& program, HWND main, const wchar_t* button = L"Configuration",
                      const std::wstring& caption = kSettingsCaption) {
        HWND open = FindChild(main, button);
        if (!open) return nullptr;
        Click(open);
        return program.WaitForWindow(caption, 10000);
    }
    void ClickAndWaitForClose(HWND window, const wchar_t* button) {
        Click(FindChild(window, button));
        EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(window); }));
    }
    void Quit(Program& program, HWND main, const wchar_t* caption = L"Quitter") {
        Click(FindChild(main, caption));
        EXPECT_TRUE(program.WaitForExit(10000));
    }

    Installation installation;
};

TEST_F(SettingsE2e, AppliedOptionsAreStoredShownAgainAndTheRunValueFollowsTheBox) {
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    HWND window = OpenSettings(program, main);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(Poll(3000, [&] { return IsIconic(main) != FALSE; })) << "the main window is minimised";

    for (const SettingsOption& option : kSettingsOptions) {
        HWND box = FindChild(window, option.caption);
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(Checked(box)) << "a fresh user";
    }
    HWND languages = ChildOfClass(window, L"ListBox");
    ASSERT_NE(languages, nullptr);
    EXPECT_FALSE(IsWindowEnabled(languages));
    EXPECT_NE(
        SendMessageW(languages, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"English.lng")),
        LB_ERR);

    // The first, third and fifth boxes ticked.
    for (int i : {0, 2, 4}) Click(FindChild(window, kSettingsOptions[i].caption));
    ASSERT_TRUE(Poll(3000, [&] { return Checked(FindChild(window, kSettingsOptions[4].caption)); }));
    ClickAndWaitForClose(window, L"&Appliquer");
    EXPECT_TRUE(Poll(5000, [&] { return IsIconic(main) == FALSE && IsWindowVisible(main); })) << "restored";
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ReadSetting(L"config", kSettingsOptions[i].entry), i % 2 == 0 ? L"1" : L"0")
            << std::string(kSettingsOptions[i].entry, kSettingsOptions[i].entry + wcslen(kSettingsOptions[i].entry));
    EXPECT_EQ(ReadSetting(L"FILES", L"LNG"), L"<absent>");
    EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, kRunKey, L"Velmora Doziv"), L"\"" + installation.Exe() + L"\"");

    HWND again = OpenSettings(program, main);
    ASSERT_NE(again, nullptr);
    for (int i = 0; i < 6; ++i) {
        HWND box = FindChild(again, kSettingsOptions[i].caption);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(Checked(box), i % 2 == 0) << i;
    }
    Click(FindChild(again, kSettingsOptions[2].caption));
    ASSERT_TRUE(Poll(3000, [&] { return !Checked(FindChild(again, kSettingsOptions[2].caption)); }));
    ClickAndWaitForClose(again, L"&Appliquer");
    EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, kRunKey, L"Velmora Doziv"), std::nullopt);
    EXPECT_EQ(ReadSetting(L"config", L"Winstart"), L"0");

    HWND third = OpenSettings(program, main);
    ASSERT_NE(third, nullptr);
    Click(FindChild(third, kSettingsOptions[1].caption));
    ASSERT_TRUE(Poll(3000, [&] { return Checked(FindChild(third, kSettingsOptions[1].caption)); }));
    // Escape, as the keyboard gives it to the box, is "Annuler".
    PostMessageW(FindChild(third, kSettingsOptions[1].caption), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(third); }));
    EXPECT_EQ(ReadSetting(L"config", L"Doc"), L"0") << "cancel saves nothing";
    EXPECT_TRUE(Poll(5000, [&] { return IsIconic(main) == FALSE; }));
    Quit(program, main);
}

TEST_F(SettingsE2e, EnglishChosenRelabelsTheMainWindowOnItsReturn) {
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    HWND window = OpenSettings(program, main);
    ASSERT_NE(window, nullptr);
    HWND languages = ChildOfClass(window, L"ListBox");
    ASSERT_NE(languages, nullptr);
    Click(FindChild(window, L"Changer"));
    ASSERT_TRUE(Poll(3000, [&] { return IsWindowEnabled(languages) != FALSE; }));
    ASSERT_TRUE(ChooseInList(languages, L"English.lng"));
    ClickAndWaitForClose(window, L"&Appliquer");
    EXPECT_EQ(ReadSetting(L"FILES", L"LNG"), installation.LangFile(L"English.lng"));
    EXPECT_TRUE(Poll(5000, [&] { return FindChild(main, L"Quit") != nullptr; })) << "relabelled in English";
    EXPECT_EQ(FindChild(main, L"Quitter"), nullptr);

    HWND english = OpenSettings(program, main, L"Settings", L"Settings");
    ASSERT_NE(english, nullptr);
    EXPECT_NE(FindChild(english, L"Keep Velmora on top"), nullptr);
    ClickAndWaitForClose(english, L"Cancel");
    Quit(program, main, L"Quit");
}

TEST_F(SettingsE2e, OnTopTickedMakesTheMainWindowTopmostAtTheNextStart) {
    {
        Program program(installation.Exe());
        HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
        ASSERT_NE(main, nullptr);
        EXPECT_FALSE(IsTopmost(main));
        HWND window = OpenSettings(program, main);
        ASSERT_NE(window, nullptr);
        Click(FindChild(window, L"Mettre Velmora au premier plan"));
        ASSERT_TRUE(Poll(3000, [&] { return Checked(FindChild(window, L"Mettre Velmora au premier plan")); }));
        ClickAndWaitForClose(window, L"&Appliquer");
        EXPECT_EQ(ReadSetting(L"config", L"ontop"), L"1");
        Quit(program, main);
    }
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(IsTopmost(main));
    HWND window = OpenSettings(program, main);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsTopmost(window)) << "the settings window too";
    ClickAndWaitForClose(window, L"Annuler");
    Quit(program, main);
}

}  // namespace
}  // namespace brivex::e2e
