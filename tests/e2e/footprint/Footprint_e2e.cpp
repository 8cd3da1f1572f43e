// The program's registry footprint under Wine: the whole registry read before
// and after the program is worked through its windows, and every difference
// checked against the program's own tables. The prefix is made anew for each
// run (scripts/wine-run-footprint.sh); the tests share it and run in order.

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "e2e/ProgramUnderTest.h"
#include "e2e/footprint/RegistryReader.h"
#include "footprint/ProgramFootprint.h"
#include "footprint/RegistrySnapshot.h"
#include "footprint/WineRegistryNoise.h"
#include "optimise/RegistryChangeList.h"
#include "registry/StartWithWindows.h"
#include "tweaks/TweakCatalogue.h"

namespace brivex::e2e {
namespace {

using footprint::Change;
using footprint::Difference;
using footprint::Group;
using footprint::ProgramFootprint;
using footprint::RegistrySnapshot;

// Generous: the first program of a new prefix waits for Wine to set the prefix up.
constexpr DWORD kWindowTimeout = 60000;
const std::wstring kMainCaption = L"Velmora Xp";
const std::wstring kPanelCaption = L"Personnalisation de Windows  - Velmora Xp";
const std::wstring kBackupCaption = L"Brivex System Backup";

std::wstring Wide(std::string_view utf8) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
    return text;
}

HKEY RootHandle(RegKey root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(static_cast<std::uint32_t>(root))));
}

void MakeKey(RegKey root, std::string_view path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(RootHandle(root), Wide(path).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
        ERROR_SUCCESS)
        RegCloseKey(key);
}

// A fresh prefix lacks every key of the tweak panel: they are made, so that
// each of its rows really writes. The key the optimisation removes whole is
// made too, so that its removal shows. The optimisation's other missing keys
// (Office policies, the numbered control sets...) stay missing: the run shows
// that a missing key is not created.
void MakeTheKeysTheProgramWritesInto() {
    for (const TweakEntry& entry : TweakCatalogue())
        for (const RegistryWrite& write : entry.off) MakeKey(write.root, write.key);
    for (const RegistryWrite& write : RegistryChanges())
        if (write.RemovesKey()) MakeKey(write.root, write.key);
}

// Every difference is the program's by its tables, or Wine's own; any other
// fails the test, named. Prints what the run changed, by group.
std::vector<Difference> CheckFootprint(const std::vector<Difference>& differences, const char* run) {
    const ProgramFootprint footprint;
    std::vector<Difference> programs;
    std::map<Group, int> values;
    std::map<Group, int> keys;
    int noise = 0;
    std::cout << run << ":\n";
    for (const Difference& difference : differences) {
        const std::vector<Group> groups = footprint.GroupsAllowing(difference);
        if (!groups.empty()) {
            programs.push_back(difference);
            std::cout << "  program (" << footprint::GroupName(groups.front());
            for (std::size_t i = 1; i < groups.size(); ++i) std::cout << ", " << footprint::GroupName(groups[i]);
            std::cout << "): " << footprint::Describe(difference) << "\n";
            const bool isKey = difference.change == Change::KeyCreated || difference.change == Change::KeyDeleted;
            for (Group group : groups) ++(isKey ? keys : values)[group];
        } else if (footprint::IsWineNoise(difference)) {
            ++noise;
            std::cout << "  Wine: " << footprint::Describe(difference) << "\n";
        } else {
            ADD_FAILURE() << run << ": not the program's to change: " << footprint::Describe(difference);
        }
    }
    std::cout << run << ": the program changed";
    for (Group group : {Group::Optimisation, Group::Tweaks, Group::StartWithWindows, Group::Settings})
        std::cout << " " << footprint::GroupName(group) << " " << values[group] << " values, " << keys[group]
                  << " keys;";
    std::cout << " Wine by itself " << noise << "\n";
    return programs;
}

// Waits for the main window, answering OK to the notices of a first start meanwhile.
HWND OpenMainWindow(Program& program) {
    HWND main = nullptr;
    Poll(kWindowTimeout, [&] {
        if (const auto box = program.CurrentMessageBox()) AnswerMessageBox(*box, IDOK);
        main = program.WaitForWindow(kMainCaption, 0);
        return main != nullptr || !program.Running();
    });
    return main;
}

HWND OpenFromMainWindow(Program& program, HWND main, const std::wstring& button, const std::wstring& caption) {
    HWND open = FindChild(main, button);
    if (!open) return nullptr;
    Click(open);
    return program.WaitForWindow(caption, 10000);
}

void CloseBackToMainWindow(HWND window, HWND main, const std::wstring& button) {
    Click(FindChild(window, button));
    ASSERT_TRUE(Poll(5000, [&] { return !IsWindow(window); }));
    ASSERT_TRUE(Poll(5000, [&] { return IsIconic(main) == FALSE && IsWindowVisible(main); }));
}

// Every option box set to `ticked`, then applied; `language` chosen first when given.
void ApplySettings(Program& program, HWND main, bool english, bool ticked, const wchar_t* language = nullptr) {
    const std::wstring caption = english ? L"Settings" : L"Configuration";
    HWND window = OpenFromMainWindow(program, main, caption, caption);
    ASSERT_NE(window, nullptr);
    std::vector<HWND> boxes;
    for (const SettingsOption& option : kSettingsOptions) {
        boxes.push_back(FindChild(window, english ? option.english : option.caption));
        ASSERT_NE(boxes.back(), nullptr);
        if (Checked(boxes.back()) != ticked) Click(boxes.back());
    }
    ASSERT_TRUE(Poll(
        3000, [&] { return std::all_of(boxes.begin(), boxes.end(), [&](HWND b) { return Checked(b) == ticked; }); }));
    if (language) {
        HWND languages = ChildOfClass(window, L"ListBox");
        ASSERT_NE(languages, nullptr);
        Click(FindChild(window, L"Changer"));
        ASSERT_TRUE(Poll(3000, [&] { return IsWindowEnabled(languages) != FALSE; }));
        ASSERT_TRUE(ChooseInList(languages, language));
    }
    CloseBackToMainWindow(window, main, english ? L"&Apply" : L"&Appliquer");
}

// Wine makes no restore point: the program asks whether to go on without one, and is told yes.
void GoOnWithoutRestorePoint(Program& program) {
    const auto box = program.WaitForMessageBox(20000);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text,
              L"Aucun point de restauration n'a pu \u00eatre cr\u00e9\u00e9. "
              L"Appliquer quand m\u00eame les changements ?");
    AnswerMessageBox(*box, IDYES);
    ASSERT_TRUE(Poll(5000, [&] { return !program.CurrentMessageBox(); }));
}

void Optimise(Program& program, HWND main) {
    HWND optimise = FindChild(main, L"&Optimiser Windows");
    ASSERT_NE(optimise, nullptr);
    Click(optimise);
    ASSERT_NO_FATAL_FAILURE(GoOnWithoutRestorePoint(program));
    // The staged display takes its forty seconds whatever the settings say, and
    // the start-with-Windows value is written only at its end: it is waited for.
    ASSERT_TRUE(Poll(60000, [&] { return FindChild(main, L"Optimisation Termin\u00e9e") != nullptr; }));
    ASSERT_TRUE(Poll(5000, [&] { return IsWindowEnabled(main) != FALSE; }));
}

void SwitchEveryTweakOffThenOn(Program& program, HWND main) {
    HWND panel = OpenFromMainWindow(program, main, L"Brivex Tweaker", kPanelCaption);
    ASSERT_NE(panel, nullptr);
    std::vector<HWND> boxes;
    for (const TweakEntry& entry : TweakCatalogue()) {
        boxes.push_back(FindChild(panel, Wide(entry.caption)));
        ASSERT_NE(boxes.back(), nullptr) << entry.caption;
    }
    HWND progress = FindChild(panel, L"Optimisation en cours ..");
    ASSERT_NE(progress, nullptr);
    Click(FindChild(panel, L"Cochez tout"));
    ASSERT_TRUE(Poll(3000, [&] { return std::all_of(boxes.begin(), boxes.end(), Checked); }));
    for (const wchar_t* button : {L"&D\u00e9sactiver", L"&Activer"}) {
        Click(FindChild(panel, button));
        ASSERT_NO_FATAL_FAILURE(GoOnWithoutRestorePoint(program));
        // The writes come first, then the progress animation: its end is the end of the click.
        ASSERT_TRUE(Poll(10000, [&] { return IsWindowVisible(progress) != FALSE; }));
        ASSERT_TRUE(Poll(10000, [&] { return IsWindowVisible(progress) == FALSE; }));
    }
    CloseBackToMainWindow(panel, main, L"&Fermer");
}

void RequestRestorePoint(Program& program, HWND main) {
    HWND window = OpenFromMainWindow(program, main, L"System Backup", kBackupCaption);
    ASSERT_NE(window, nullptr);
    HWND name = ChildOfClass(window, L"Edit");
    HWND types = ChildOfClass(window, L"ComboBox");
    ASSERT_NE(name, nullptr);
    ASSERT_NE(types, nullptr);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Avant pilote"));
    SendMessageW(types, CB_SETCURSEL, 2, 0);
    SendMessageW(GetParent(types), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(types), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(types));
    Click(FindChild(window, L"&Appliquer"));
    // Wine's restore service refuses the request; the program says so.
    const auto box = program.WaitForMessageBox(20000);
    ASSERT_TRUE(box);
    AnswerMessageBox(*box, IDOK);
    ASSERT_TRUE(Poll(5000, [&] { return !program.CurrentMessageBox(); }));
    CloseBackToMainWindow(window, main, L"Annuler");
}

// The undo files the program saved, newest first.
std::vector<std::wstring> UndoFiles(std::wstring& folder) {
    wchar_t appData[MAX_PATH] = {};
    GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH);
    folder = std::wstring(appData) + L"\\Brivex Doziv\\Annulation";
    std::vector<std::pair<ULONGLONG, std::wstring>> found;
    WIN32_FIND_DATAW data{};
    HANDLE search = FindFirstFileW((folder + L"\\*.reg").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const ULONGLONG written = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                      data.ftLastWriteTime.dwLowDateTime;
            found.emplace_back(written, folder + L"\\" + data.cFileName);
        } while (FindNextFileW(search, &data));
        FindClose(search);
    }
    std::sort(found.rbegin(), found.rend());
    std::vector<std::wstring> files;
    for (auto& [written, path] : found) files.push_back(std::move(path));
    return files;
}

std::optional<DWORD> RunAndWait(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return std::nullopt;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

std::string Shown(const footprint::StoredValue* value) {
    if (!value) return "<absent>";
    std::string text = "type " + std::to_string(value->type) + ":";
    static constexpr char kHex[] = "0123456789abcdef";
    for (std::uint8_t byte : value->data) {
        text += ' ';
        text += kHex[byte >> 4];
        text += kHex[byte & 15];
    }
    return text;
}

class FootprintE2e : public ::testing::Test {
protected:
    // The full run, for the undo step after it.
    struct FullRun {
        RegistrySnapshot before;
        std::vector<Difference> programs;
    };
    static std::optional<FullRun> fullRun_;

    Installation installation_;
};

std::optional<FootprintE2e::FullRun> FootprintE2e::fullRun_;

// The control run: what a start alone leaves, Wine's own changes among it.
TEST_F(FootprintE2e, StartedAndQuittedUntouchedTheProgramWritesOnlyItsSettings) {
    const RegistrySnapshot before = ReadRegistry();
    {
        Program program(installation_.Exe());
        HWND main = OpenMainWindow(program);
        ASSERT_NE(main, nullptr);
        Click(FindChild(main, L"Quitter"));
        ASSERT_TRUE(program.WaitForExit(10000));
    }
    const ProgramFootprint footprint;
    for (const Difference& difference : CheckFootprint(Compare(before, ReadRegistry()), "start and quit"))
        EXPECT_EQ(footprint.GroupsAllowing(difference), std::vector<Group>{Group::Settings})
            << footprint::Describe(difference);
}

TEST_F(FootprintE2e, EveryWindowWorkedTheProgramChangesOnlyTheValuesOfItsTables) {
    MakeTheKeysTheProgramWritesInto();
    const RegistrySnapshot before = ReadRegistry();
    {
        Program program(installation_.Exe());
        HWND main = OpenMainWindow(program);
        ASSERT_NE(main, nullptr);
        // Every option on, so the optimisation and the tweak panel also clean up
        // and ask for their restore points.
        ASSERT_NO_FATAL_FAILURE(ApplySettings(program, main, false, true));
        ASSERT_NO_FATAL_FAILURE(Optimise(program, main));
        ASSERT_NO_FATAL_FAILURE(SwitchEveryTweakOffThenOn(program, main));
        ASSERT_NO_FATAL_FAILURE(RequestRestorePoint(program, main));
        // Every option off with another language, then on again: both sides of each.
        ASSERT_NO_FATAL_FAILURE(ApplySettings(program, main, false, false, L"English.lng"));
        ASSERT_NO_FATAL_FAILURE(ApplySettings(program, main, true, true));

        Click(FindChild(main, L"Quit"));
        // The restart offered after an optimisation is declined: accepting ends Wine's session.
        const auto prompt = program.WaitForMessageBox(kWindowTimeout);
        ASSERT_TRUE(prompt);
        ASSERT_NE(GetDlgItem(prompt->window, IDNO), nullptr);
        AnswerMessageBox(*prompt, IDNO);
        ASSERT_TRUE(program.WaitForExit(10000));
    }
    const RegistrySnapshot after = ReadRegistry();
    fullRun_ = FullRun{before, CheckFootprint(Compare(before, after), "every window worked")};

    // The run did write: every row of the tweak panel, whose keys were made
    // empty for it, and the start-with-Windows value the last settings asked for.
    for (const TweakEntry& entry : TweakCatalogue())
        for (const RegistryWrite& write : entry.on)
            EXPECT_NE(after.Value(footprint::RegistryPath(write.root, write.key), write.valueName), nullptr)
                << write.key << " " << write.valueName;
    EXPECT_NE(after.Value(footprint::RegistryPath(regroot::LocalMachine, kRunKey), kRunValueName), nullptr);
}

// The undo files hold what the optimisation and the tweak panel overwrite;
// what the settings window writes (its options, the start-with-Windows value)
// is no part of them.
TEST_F(FootprintE2e, UndoFilesAppliedNewestFirstBringBackEveryValueTheProgramChanged) {
    std::wstring folder;
    const std::vector<std::wstring> files = UndoFiles(folder);
    // One for the optimisation, one for each of the tweak panel's two runs.
    ASSERT_EQ(files.size(), 3u) << "undo files in " << std::string(folder.begin(), folder.end());
    ASSERT_TRUE(fullRun_) << "the undo files are checked after the full run, in the same prefix";
    for (const std::wstring& file : files)
        ASSERT_EQ(RunAndWait(L"regedit.exe /s \"" + file + L"\""), 0u) << std::string(file.begin(), file.end());

    const RegistrySnapshot undone = ReadRegistry();
    const ProgramFootprint footprint;
    for (const Difference& difference : fullRun_->programs) {
        const std::vector<Group> groups = footprint.GroupsAllowing(difference);
        if (std::find(groups.begin(), groups.end(), Group::Optimisation) == groups.end() &&
            std::find(groups.begin(), groups.end(), Group::Tweaks) == groups.end())
            continue;
        if (difference.change == Change::KeyCreated || difference.change == Change::KeyDeleted)
            EXPECT_EQ(undone.HasKey(difference.key), fullRun_->before.HasKey(difference.key))
                << footprint::Describe(difference);
        else
            EXPECT_EQ(Shown(undone.Value(difference.key, difference.valueName)),
                      Shown(fullRun_->before.Value(difference.key, difference.valueName)))
                << footprint::Describe(difference);
    }
}

}  // namespace
}  // namespace brivex::e2e
