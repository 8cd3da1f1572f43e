// The system backup window under Wine, worked from outside through the
// windows: the messages of "&Appliquer" (Wine's restore service refuses every
// request), the list view with the one bare restore point Wine enumerates,
// and both close controls bringing the main window back.

#include <gtest/gtest.h>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

constexpr DWORD kWindowTimeout = 60000;
const std::wstring kMainCaption = L"Velmora Xp";
const std::wstring kBackupCaption = L"Brivex System Backup";
const std::wstring kNameMissing = L"Veuillez entrer un nom pour la cr\u00e9ation du point de restauration !.";
const std::wstring kNotCreated =
    L"La Restauration syst\u00e8me est d\u00e9sactiv\u00e9e. Impossible de cr\u00e9er un point de restauration.";

std::vector<std::wstring> Items(HWND list) {
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

class BackupE2e : public ::testing::Test {
protected:
    BackupE2e() {
        EndLeftoverInstances();
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");
    }
    ~BackupE2e() override { ClearSettings(); }

    HWND OpenBackup(Program& program, HWND main) {
        HWND open = FindChild(main, L"System Backup");
        if (!open) return nullptr;
        Click(open);
        return program.WaitForWindow(kBackupCaption, 10000);
    }
    // Presses "&Appliquer" and answers the message it brings.
    std::wstring ApplyAndAnswer(Program& program, HWND window) {
        Click(FindChild(window, L"&Appliquer"));
        const auto box = program.WaitForMessageBox(20000);
        if (!box) return L"<no message>";
        EXPECT_EQ(box->title, L"Brivex Doziv");
        AnswerMessageBox(*box, IDOK);
        Poll(5000, [&] { return !program.CurrentMessageBox(); });
        return box->text;
    }
    void Quit(Program& program, HWND main) {
        Click(FindChild(main, L"Quitter"));
        EXPECT_TRUE(program.WaitForExit(10000));
    }

    Installation installation;
};

TEST_F(BackupE2e, ApplyGivesTheNameMessageThenTheRefusalWithAndWithoutAType) {
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    HWND window = OpenBackup(program, main);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(Poll(3000, [&] { return IsIconic(main) != FALSE; })) << "the main window is minimised";

    HWND name = ChildOfClass(window, L"Edit");
    HWND types = ChildOfClass(window, L"ComboBox");
    ASSERT_NE(name, nullptr);
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(TextOf(name), L"");
    EXPECT_EQ(SendMessageW(types, CB_GETCURSEL, 0, 0), CB_ERR) << "no type chosen";
    EXPECT_EQ(SendMessageW(types, CB_GETCOUNT, 0, 0), 3);
    wchar_t second[64] = {};
    SendMessageW(types, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(second));
    EXPECT_STREQ(second, L"Application setup");

    EXPECT_EQ(ApplyAndAnswer(program, window), kNameMissing);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Avant pilote"));
    EXPECT_EQ(ApplyAndAnswer(program, window), kNotCreated) << "no type: no request";
    SendMessageW(types, CB_SETCURSEL, 2, 0);
    SendMessageW(GetParent(types), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(types), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(types));
    EXPECT_EQ(ApplyAndAnswer(program, window), kNotCreated) << "Wine's restore service refuses";
    EXPECT_EQ(TextOf(name), L"Avant pilote") << "the name stays";
    EXPECT_EQ(SendMessageW(types, CB_GETCURSEL, 0, 0), 2);

    Click(FindChild(window, L"Annuler"));
    EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(window); }));
    EXPECT_TRUE(Poll(5000, [&] { return IsIconic(main) == FALSE && IsWindowVisible(main); })) << "restored";
    Quit(program, main);
}

TEST_F(BackupE2e, AfficherShowsTheListViewRetourComesBackAndTheCloseButtonRestoresTheMainWindow) {
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    HWND window = OpenBackup(program, main);
    ASSERT_NE(window, nullptr);
    HWND show = FindChild(window, L"A&fficher");
    HWND back = FindChild(window, L"&Retour");
    HWND list = ChildOfClass(window, L"ListBox");
    ASSERT_NE(show, nullptr);
    ASSERT_NE(back, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(IsWindowVisible(show));
    EXPECT_FALSE(IsWindowVisible(list));

    for (int round = 0; round < 2; ++round) {
        Click(show);
        // The two views trade places in two steps: wait for both.
        ASSERT_TRUE(Poll(20000, [&] { return IsWindowVisible(list) && !IsWindowVisible(show); })) << round;
        // Wine enumerates one restore point numbered 0 with no description and no date.
        EXPECT_EQ(Items(list), (std::vector<std::wstring>{L"RP:0   ()"})) << "listed once, round " << round;
        Click(back);
        ASSERT_TRUE(Poll(3000, [&] { return IsWindowVisible(show) && !IsWindowVisible(list); })) << round;
    }
    EXPECT_FALSE(program.CurrentMessageBox());

    Click(show);
    ASSERT_TRUE(Poll(20000, [&] { return IsWindowVisible(list) != FALSE; }));
    Click(FindChild(window, L"\u00d7"));
    EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(window); }));
    EXPECT_TRUE(Poll(5000, [&] { return IsIconic(main) == FALSE && IsWindowVisible(main); })) << "restored";

    HWND again = OpenBackup(program, main);
    ASSERT_NE(again, nullptr);
    HWND newList = ChildOfClass(again, L"ListBox");
    ASSERT_NE(newList, nullptr);
    EXPECT_FALSE(IsWindowVisible(newList)) << "the creation view in front again";
    EXPECT_TRUE(Items(newList).empty());
    Click(FindChild(again, L"Annuler"));
    EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(again); }));
    Quit(program, main);
}

}  // namespace
}  // namespace brivex::e2e
