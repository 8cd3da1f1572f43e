// The tweak panel under Wine: opened from the main window, every box ticked,
// each button pressed, the registry checked, the animation waited for, and the
// panel closed again, all from outside through the windows.

#include <gtest/gtest.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <vector>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

// Generous: the first program of a new prefix waits for Wine to set the prefix up.
constexpr DWORD kWindowTimeout = 60000;
const std::wstring kMainCaption = L"Velmora Xp";
// Its design caption, less the leading blanks the French reference file does not keep.
const std::wstring kPanelCaption = L"Personnalisation de Windows  - Velmora Xp";

const wchar_t* const kBoxCaptions[] = {
    L"Le rapport d'erreur",
    L"Gestion des processus",
    L"Le  service de gravure de Windows",
    L"Les DLL inutilis\u00e9es de la m\u00e9moire",
    L"La notification \" Espace insuffisant\"",
    L"L'extension des fichiers",
    L"Les fichiers cach\u00e9s",
    L"Les fichiers syst\u00e8mes",
    L"L'assistant de recherche",
    L"La touche  \"Verr Num\"",
    L"Red\u00e9marrage automatique en cas de plantage",
    L"Mode \"UltraSpeed\" des disques",
    L"Notification d'Antivirus",
    L"Notification du Pare Feu",
    L"Notification des Mises \u00e0 jour",
    L"Centre de S\u00e9curit\u00e9",
};

// A fresh prefix has only the first of these; the test makes the other three
// for the run, so that text and number values of several entries are written.
const wchar_t kExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kPolicies[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t kSecurityCenter[] = L"SOFTWARE\\Microsoft\\Security Center";

// The entries those keys hold, by their place in the panel.
const std::size_t kEntriesWithKeys[] = {1, 2, 3, 4, 5, 6, 7, 12, 13, 14};

struct MissingKey {
    HKEY root;
    const wchar_t* path;
};
const MissingKey kMissingKeys[] = {
    {HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting"},
    {HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\Windows Error Reporting"},
    {HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState"},
    {HKEY_USERS, L".DEFAULT\\Control Panel\\Keyboard"},
    {HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\CrashControl"},
    {HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96A-E325-11CE-BFC1-08002BE10318}\\0000"},
    {HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\wscsvc"},
};

// What Wine's own shell believes of the three view settings, as Explorer asks it.
struct ShellView {
    bool extensions;
    bool hidden;
    bool system;
    friend bool operator==(const ShellView&, const ShellView&) = default;
};
ShellView WhatTheShellShows() {
    SHELLFLAGSTATE state = {};
    SHGetSettings(&state, SSF_SHOWEXTENSIONS | SSF_SHOWALLOBJECTS | SSF_SHOWSYSFILES);
    return {state.fShowExtensions != 0, state.fShowAllObjects != 0, state.fShowSysFiles != 0};
}

void SetDword(HKEY root, const wchar_t* path, const wchar_t* name, std::optional<DWORD> value) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    if (value) RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value), sizeof(DWORD));
    else RegDeleteValueW(key, name);
    RegCloseKey(key);
}

// The text shown right of a check box: its state readout.
std::wstring StateBeside(HWND panel, HWND box) {
    RECT boxRect;
    GetWindowRect(box, &boxRect);
    const int middle = (boxRect.top + boxRect.bottom) / 2;
    for (HWND child : Children(panel)) {
        if (child == box || !IsWindowVisible(child)) continue;
        RECT r;
        GetWindowRect(child, &r);
        if (r.left >= boxRect.right && r.left < boxRect.right + 20 && r.top <= middle && middle <= r.bottom)
            return TextOf(child);
    }
    return L"<none>";
}

class TweakE2e : public ::testing::Test {
protected:
    TweakE2e() {
        EndLeftoverInstances();
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");
        desktopProcess_ = DwordValue(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess");
        SetDword(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess", std::nullopt);
    }
    ~TweakE2e() override {
        ClearSettings();
        SetDword(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess", desktopProcess_);
    }

    // Opens the panel with the main window's "Brivex Tweaker" button.
    HWND OpenPanel(Program& program, HWND main, const std::wstring& caption) {
        HWND tweaker = FindChild(main, L"Brivex Tweaker");
        if (!tweaker) return nullptr;
        Click(tweaker);
        return program.WaitForWindow(caption, 10000);
    }
    std::vector<HWND> Boxes(HWND panel) {
        std::vector<HWND> boxes;
        for (const wchar_t* caption : kBoxCaptions) boxes.push_back(FindChild(panel, caption));
        return boxes;
    }
    void Quit(Program& program, HWND main, const wchar_t* caption = L"Quitter") {
        Click(FindChild(main, caption));
        EXPECT_TRUE(program.WaitForExit(10000));
    }

    Installation installation;
    MissingKeysMade madeKeys_{HKEY_LOCAL_MACHINE, {kPolicies, kSecurityCenter}};
    MissingKeysMade madeUserKeys_{HKEY_CURRENT_USER, {kAdvanced}};
    std::optional<DWORD> desktopProcess_;
};

TEST_F(TweakE2e, OpenTickAllSwitchOnThenOffAndCloseBackToTheMainWindow) {
    for (const MissingKey& missing : kMissingKeys)
        ASSERT_FALSE(KeyExists(missing.root, missing.path)) << "a fresh prefix";

    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    HWND panel = OpenPanel(program, main, kPanelCaption);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(Poll(3000, [&] { return IsIconic(main) != FALSE; })) << "the main window is minimised";

    const std::vector<HWND> boxes = Boxes(panel);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        ASSERT_NE(boxes[i], nullptr) << i;
        EXPECT_FALSE(Checked(boxes[i])) << i;
        EXPECT_EQ(StateBeside(panel, boxes[i]), L"?") << i << ": no value yet";
    }
    for (const wchar_t* caption :
         {L"Cochez tout", L"D\u00e9cochez tout", L"&D\u00e9sactiver", L"&Activer", L"&Fermer",
          L"cocher les options \u00e0 changer puis cliquer sur les bouttons activer ou d\u00e9sactiver"})
        EXPECT_NE(FindChild(panel, caption), nullptr) << std::string(caption, caption + wcslen(caption));
    HWND progressText = FindChild(panel, L"Optimisation en cours ..");
    HWND bar = FindWindowExW(panel, nullptr, L"XP_ProgressBar", nullptr);
    ASSERT_NE(progressText, nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(IsWindowVisible(progressText));
    EXPECT_FALSE(IsWindowVisible(bar));

    Click(FindChild(panel, L"Cochez tout"));
    ASSERT_TRUE(Poll(3000, [&] {
        for (HWND box : boxes)
            if (!Checked(box)) return false;
        return true;
    }));

    const DWORD pressed = GetTickCount();
    Click(FindChild(panel, L"&Activer"));
    // What this prefix lacks is named once, after the writes.
    const std::optional<MessageBoxInfo> refused = program.WaitForMessageBox(5000);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text,
              L"Non appliqu\u00e9, le syst\u00e8me a refus\u00e9 une \u00e9criture : Le rapport d'erreur, "
              L"L'assistant de recherche, La touche  \"Verr Num\", Red\u00e9marrage automatique en cas de plantage, "
              L"Mode \"UltraSpeed\" des disques, Centre de S\u00e9curit\u00e9");
    AnswerMessageBox(*refused, IDOK);
    ASSERT_TRUE(Poll(5000, [&] { return StateBeside(panel, boxes[1]) == L"activ\u00e9"; }));
    EXPECT_TRUE(IsWindowVisible(progressText));
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess"), 1u);
    for (const wchar_t* name : {L"NoCDBurning", L"NoLowDiskSpaceChecks"})
        EXPECT_EQ(DwordValue(HKEY_LOCAL_MACHINE, kPolicies, name), 0u);
    EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, kPolicies, L"AlwaysUnloadDll"), L"0");
    EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, kAdvanced, L"HideFileExt"), 0u);
    EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, kAdvanced, L"Hidden"), 1u);
    for (const wchar_t* name : {L"AntiVirusDisableNotify", L"FirewallDisableNotify", L"UpdatesDisableNotify"})
        EXPECT_EQ(DwordValue(HKEY_LOCAL_MACHINE, kSecurityCenter, name), 0u);
    for (const MissingKey& missing : kMissingKeys)
        EXPECT_FALSE(KeyExists(missing.root, missing.path)) << "a missing key is not created";
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const bool hasKey =
            std::find(std::begin(kEntriesWithKeys), std::end(kEntriesWithKeys), i) != std::end(kEntriesWithKeys);
        EXPECT_EQ(StateBeside(panel, boxes[i]), hasKey ? L"activ\u00e9" : L"?") << i;
    }

    ASSERT_TRUE(Poll(10000, [&] { return !IsWindowVisible(progressText); }));
    const DWORD animation = GetTickCount() - pressed;
    EXPECT_GE(animation, 3000u) << "thirteen ticks of a quarter second";
    EXPECT_LE(animation, 5000u);
    EXPECT_FALSE(IsWindowVisible(bar));

    Click(FindChild(panel, L"&D\u00e9sactiver"));
    const std::optional<MessageBoxInfo> refusedAgain = program.WaitForMessageBox(5000);
    ASSERT_TRUE(refusedAgain);
    AnswerMessageBox(*refusedAgain, IDOK);
    ASSERT_TRUE(Poll(5000, [&] { return StateBeside(panel, boxes[1]) == L"d\u00e9sactiv\u00e9"; }));
    EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess"), 0u);
    EXPECT_EQ(DwordValue(HKEY_LOCAL_MACHINE, kPolicies, L"NoLowDiskSpaceChecks"), 1u);
    EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, kAdvanced, L"HideFileExt"), 1u);
    EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, kAdvanced, L"Hidden"), 2u);
    EXPECT_EQ(DwordValue(HKEY_LOCAL_MACHINE, kSecurityCenter, L"FirewallDisableNotify"), 1u);
    for (std::size_t entry : kEntriesWithKeys)
        EXPECT_EQ(StateBeside(panel, boxes[entry]), L"d\u00e9sactiv\u00e9") << entry;

    Click(FindChild(panel, L"&Fermer"));
    EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(panel); }));
    EXPECT_TRUE(Poll(5000, [&] { return IsIconic(main) == FALSE && IsWindowVisible(main); })) << "restored";

    HWND again = OpenPanel(program, main, kPanelCaption);
    ASSERT_NE(again, nullptr);
    for (HWND box : Boxes(again)) {
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(Checked(box)) << "every opening starts unticked";
    }
    Click(FindChild(again, L"&Fermer"));
    EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(again); }));
    Quit(program, main);
}

// Wine's shell reads the view settings where Explorer does, as numbers: each button
// changes what it believes. It agrees with Windows on hidden files; for extensions
// and system files Wine 8 maps the values to its flags its own way, so there the
// test asks only that each button moves Wine's belief.
TEST_F(TweakE2e, WinesShellSeesTheViewSettingsEachButtonWrites) {
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    HWND panel = OpenPanel(program, main, kPanelCaption);
    ASSERT_NE(panel, nullptr);
    const std::vector<HWND> boxes = Boxes(panel);
    for (std::size_t entry : {5, 6, 7}) Click(boxes[entry]);
    ASSERT_TRUE(Poll(3000, [&] { return Checked(boxes[7]); }));

    Click(FindChild(panel, L"&D\u00e9sactiver"));
    ASSERT_TRUE(Poll(5000, [&] { return StateBeside(panel, boxes[7]) == L"d\u00e9sactiv\u00e9"; }));
    const ShellView off = WhatTheShellShows();
    EXPECT_FALSE(off.hidden) << "hidden files hidden";
    Click(FindChild(panel, L"&Activer"));
    ASSERT_TRUE(Poll(5000, [&] { return StateBeside(panel, boxes[7]) == L"activ\u00e9"; }));
    const ShellView on = WhatTheShellShows();
    EXPECT_TRUE(on.hidden) << "hidden files shown";
    EXPECT_NE(on.extensions, off.extensions);
    EXPECT_NE(on.system, off.system);
    EXPECT_FALSE(program.CurrentMessageBox().has_value()) << "every value written where it is read";

    Click(FindChild(panel, L"&Fermer"));
    EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(panel); }));
    Quit(program, main);
}

TEST_F(TweakE2e, EnglishChosenRelabelsThePanelAndItsReadout) {
    SaveSetting(L"FILES", L"LNG", installation.LangFile(L"English.lng"));
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    HWND panel = OpenPanel(program, main, L"Windows Customisation - Velmora Xp");
    ASSERT_NE(panel, nullptr);
    HWND processes = FindChild(panel, L"Process management");
    ASSERT_NE(processes, nullptr);
    EXPECT_NE(FindChild(panel, L"Tick all"), nullptr);
    EXPECT_EQ(FindChild(panel, L"&Activer"), nullptr);
    Click(processes);
    ASSERT_TRUE(Poll(3000, [&] { return Checked(processes); }));
    Click(FindChild(panel, L"&Enable"));
    EXPECT_TRUE(Poll(5000, [&] { return StateBeside(panel, processes) == L"enabled"; }));
    Click(FindChild(panel, L"&Close"));
    EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(panel); }));
    Quit(program, main, L"Quit");
}

}  // namespace
}  // namespace brivex::e2e
