// Language files no translator meant to write, and a "Lang" folder that is
// gone or cannot be written: the real program chooses each file as its
// language, starts, shows its windows with sensible texts (French where the
// file says nothing usable), keeps answering, ends cleanly, and leaves every
// file it only reads, and its settings, exactly as they were.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

constexpr DWORD kWindowTimeout = 60000;
const std::wstring kMainCaption = L"Velmora Xp";
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kHostileName = L"Hostile.lng";

// Captions no case below translates, so the windows are found and left by them.
const std::vector<std::wstring> kUntranslated = {L"Info Syst\u00e8me", L"Configuration", L"Quitter"};

const std::vector<std::wstring> kFrenchStageTexts = {
    L"Initialisation ..",
    L"Correction des Bugs du Syst\u00e8me ..",
    L"Acc\u00e9l\u00e9ration du menu D\u00e9marrer..",
    L"Am\u00e9liorer la stabilit\u00e9 du syst\u00e8me ..",
    L"Acc\u00e9l\u00e9ration du Boot ..",
    L"Acc\u00e9laration des Applications ..",
    L"Nettoyage du Noyau Syst\u00e8me ..",
    L"Optimisation Termin\u00e9e",
};

// Bytes of every value, NUL, line breaks, brackets and "=" among them, from a
// fixed seed so a failure can be replayed.
std::string Garbage(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 0x2545F491u;
    for (char& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

std::string ManySections(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += "[Section" + std::to_string(i) + "]\r\nKey=Value\r\n";
    return bytes + "[FrmHome]\r\nCommand2.Caption=Help\r\n";
}

struct HostileLanguageFile {
    const char* what;
    std::string bytes;
    // Main window captions the file gives, or the French ones it leaves.
    std::vector<std::wstring> mainCaptions;
    std::wstring settingsCancel = L"Annuler";
};

const std::string kWithoutMessages =
    "[FrmHome]\r\nCommand2.Caption=Help\r\n[FrmSettings]\r\nBrivexCmd1.Caption=Cancel\r\n";

// A translator's editor may save the file as UTF-16 or UTF-8, each with its
// byte-order mark: the profile calls read both.
std::string Utf16File(const std::wstring& text) {
    return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

std::vector<HostileLanguageFile> HostileLanguageFiles() {
    return {
        {"binary garbage", Garbage(256 * 1024), {L"&Optimiser Windows", L"L'aide", L"System Backup"}},
        {"a line of one megabyte, then the window's section with one of its own",
         std::string(1 << 20, 'x') + "\r\n[FrmHome]\r\nCommand1.Caption=" + std::string(1 << 20, 'A') +
             "\r\nCommand2.Caption=Help\r\n",
         // A text is read through a buffer of 255 bytes.
         {std::wstring(254, L'A'), L"Help"}},
        {"100 000 sections before the window's", ManySections(100000), {L"&Optimiser Windows", L"Help"}},
        {"no stage texts", kWithoutMessages, {L"&Optimiser Windows", L"Help"}, L"Cancel"},
        // A lone carriage return or line feed ends a line as CR LF does; one
        // pair of enclosing quotes is taken off, blanks around them first.
        {"line breaks and quotes inside values",
         "[FrmHome]\r\n"
         "Command2.Caption=Help\rAide\r\n"
         "ButtonPlus5.Caption=Forums\nForum=x\r\n"
         "BrivexCmd1.Caption=\"Tweaks\"\r\n"
         "ButtonPlus6.Caption='Backup'\r\n"
         "Command1.Caption=\"Optimise\r\n"
         "ButtonPlus4.Caption=\"Plus\" and \"more\"\r\n"
         "Help_XP1.Caption=  \"  About  \"  \r\n",
         {L"Help", L"Forums", L"Tweaks", L"Backup", L"\"Optimise", L"Plus\" and \"more", L"  About  "}},
        {"UTF-16 with its mark",
         Utf16File(L"[FrmHome]\r\nCommand2.Caption=Aide \u00e0 l'\u00e9cran \u0152\r\n"),
         {L"Aide \u00e0 l'\u00e9cran \u0152", L"&Optimiser Windows"}},
        {"UTF-8 with its mark",
         "\xEF\xBB\xBF[FrmHome]\r\nCommand2.Caption=Aide \xC3\xA0 l'\xC3\xA9"
         "cran\r\n",
         {L"Aide \u00e0 l'\u00e9cran", L"&Optimiser Windows"}},
    };
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

ULONGLONG LastWriteTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Runs a shell command on the Unix side of Wine and waits for it: Wine cannot
// wait for a Unix process, so the command leaves a file behind when done.
void RunUnixShell(const std::string& command, const std::wstring& doneFile, const std::string& unixDoneFile) {
    DeleteFileW(doneFile.c_str());
    const std::string script = command + " ; touch '" + unixDoneFile + "'";
    std::wstring line = L"/bin/sh -c \"";
    line.append(script.begin(), script.end());
    line += L'"';
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    Poll(10000, [&] { return GetFileAttributesW(doneFile.c_str()) != INVALID_FILE_ATTRIBUTES; });
    DeleteFileW(doneFile.c_str());
}

std::string UnixPath(const std::wstring& windowsPath) {
    using Convert = char*(CDECL*)(const wchar_t*);
    const auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* path = convert ? convert(windowsPath.c_str()) : nullptr;
    if (!path) return {};
    std::string result = path;
    HeapFree(GetProcessHeap(), 0, path);
    return result;
}

class HostileLanguageFilesE2e : public ::testing::Test {
protected:
    HostileLanguageFilesE2e() {
        EndLeftoverInstances();
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");
    }
    ~HostileLanguageFilesE2e() override { ClearSettings(); }

    // The main window, shown with every caption given, clean and answering.
    HWND ShownMainWindow(Program& program, const std::vector<std::wstring>& captions) {
        HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
        if (!main) {
            ADD_FAILURE() << (program.Running() ? "no visible main window" : "the program ended");
            return nullptr;
        }
        for (const std::wstring& caption : captions) EXPECT_NE(FindChild(main, caption), nullptr) << Printable(caption);
        for (const std::wstring& caption : kUntranslated)
            EXPECT_NE(FindChild(main, caption), nullptr) << Printable(caption);
        for (const std::wstring& text : GarbledTexts(main)) ADD_FAILURE() << "garbled: " << Printable(text);
        EXPECT_TRUE(KeepsAnswering(main));
        return main;
    }

    // Opens the settings window, which lists the language files, checks it and cancels it.
    void VisitSettings(Program& program, HWND main, const std::wstring& cancel, LRESULT languagesListed) {
        Click(FindChild(main, L"Configuration"));
        HWND window = program.WaitForWindow(L"Configuration", 10000);
        ASSERT_NE(window, nullptr);
        EXPECT_NE(FindChild(window, L"&Appliquer"), nullptr);
        for (const std::wstring& text : GarbledTexts(window)) ADD_FAILURE() << "garbled: " << Printable(text);
        HWND languages = ChildOfClass(window, L"ListBox");
        ASSERT_NE(languages, nullptr);
        EXPECT_EQ(SendMessageW(languages, LB_GETCOUNT, 0, 0), languagesListed);
        EXPECT_TRUE(KeepsAnswering(window));
        Click(FindChild(window, cancel));
        EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(window); }));
        EXPECT_TRUE(Poll(5000, [&] { return IsIconic(main) == FALSE && IsWindowVisible(main); })) << "restored";
    }

    Installation installation;
};

TEST_F(HostileLanguageFilesE2e, EachFileChosenGivesCleanWindowsAndIsLeftByteForByte) {
    const std::wstring hostile = installation.LangFile(kHostileName);
    SaveSetting(L"FILES", L"LNG", hostile);
    const std::string english = ReadFileBytes(installation.LangFile(L"English.lng"));
    ASSERT_FALSE(english.empty());
    for (const HostileLanguageFile& file : HostileLanguageFiles()) {
        SCOPED_TRACE(file.what);
        WriteFileBytes(hostile, file.bytes);
        const std::string settings = KeySnapshot(HKEY_CURRENT_USER, kSettingsKey);
        {
            Program program(installation.Exe());
            HWND main = ShownMainWindow(program, file.mainCaptions);
            if (!main) continue;
            // Hostile.lng, English.lng and the French file the program writes.
            VisitSettings(program, main, file.settingsCancel, 3);
            EXPECT_TRUE(QuitCleanly(program, main));
        }
        EXPECT_TRUE(ReadFileBytes(hostile) == file.bytes) << "the chosen file is only read";
        EXPECT_TRUE(ReadFileBytes(installation.LangFile(L"English.lng")) == english);
        EXPECT_EQ(KeySnapshot(HKEY_CURRENT_USER, kSettingsKey), settings);
    }
}

// The French file is the program's own: every window writes its texts into it
// again, whatever it held, and what else it held stays. Once it holds them, a
// window's load leaves the file as it is.
TEST_F(HostileLanguageFilesE2e, ADamagedFrenchFileIsWrittenAgainAndKeepsTheOtherSections) {
    struct Case {
        const char* what;
        std::string bytes;
        bool keepsSection0;
    };
    const Case cases[] = {
        {"binary garbage", Garbage(256 * 1024), false},
        {"a line of one megabyte", "[Section0]\r\nKey=Value\r\n" + std::string(1 << 20, 'x') + "\r\n", true},
        {"100 000 sections", ManySections(100000), true},
    };
    const std::wstring french = installation.LangFile(L"Francais.lng");
    const auto read = [&](const wchar_t* section, const wchar_t* key) {
        wchar_t text[255] = {};
        GetPrivateProfileStringW(section, key, L"<absent>", text, 255, french.c_str());
        return std::wstring(text);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFileBytes(french, c.bytes);
        const auto run = [&] {
            Program program(installation.Exe());
            HWND main = ShownMainWindow(program, {L"&Optimiser Windows", L"L'aide"});
            if (!main) return;
            VisitSettings(program, main, L"Annuler", 2);
            EXPECT_TRUE(QuitCleanly(program, main));
        };
        run();
        const std::string written = ReadFileBytes(french);
        const ULONGLONG writtenAt = LastWriteTime(french);
        run();
        EXPECT_TRUE(ReadFileBytes(french) == written);
        EXPECT_EQ(LastWriteTime(french), writtenAt) << "the second start writes nothing";
        EXPECT_EQ(read(L"FrmHome", L"Command1.Caption"), L"&Optimiser Windows");
        EXPECT_EQ(read(L"FrmSettings", L"BrivexCmd1.Caption"), L"Annuler");
        EXPECT_EQ(read(L"MSG", L"msg8"), L"Optimisation Termin\u00e9e");
        if (c.keepsSection0) { EXPECT_EQ(read(L"Section0", L"Key"), L"Value"); }
    }
}

TEST_F(HostileLanguageFilesE2e, AFileWithoutStageTextsLeavesTheStageLabelEmptyAndTheOptimisationEnds) {
    const PlantedValue runValue(HKEY_LOCAL_MACHINE, kRunKey, L"Velmora Doziv", std::nullopt);
    WriteFileBytes(installation.LangFile(kHostileName), kWithoutMessages);
    SaveSetting(L"FILES", L"LNG", installation.LangFile(kHostileName));
    Program program(installation.Exe());
    HWND main = ShownMainWindow(program, {L"Help"});
    ASSERT_NE(main, nullptr);
    Click(FindChild(main, L"&Optimiser Windows"));
    ASSERT_TRUE(Poll(5000, [&] { return !IsWindowEnabled(main); })) << "the display runs";
    EXPECT_TRUE(Poll(60000, [&] {
        for (HWND child : Children(main)) {
            const std::wstring text = TextOf(child);
            for (const std::wstring& stage : kFrenchStageTexts)
                EXPECT_NE(text, stage) << "a stage text the file does not hold";
            EXPECT_TRUE(IsCleanText(text)) << Printable(text);
        }
        return IsWindowEnabled(main) != FALSE || HasFailure();
    })) << "the display ends";
    EXPECT_EQ(ReadSetting(L"config", L"reboot"), L"ok");

    Click(FindChild(main, L"Quitter"));
    auto prompt = program.WaitForMessageBox(kWindowTimeout);
    ASSERT_TRUE(prompt) << "the restart prompt after an optimisation";
    // Yes would end every program of the Wine session.
    AnswerMessageBox(*prompt, IDNO);
    EXPECT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

TEST_F(HostileLanguageFilesE2e, WithoutTheLangFolderTheProgramRunsInFrenchAndCreatesNoFolder) {
    DeleteFileW(installation.LangFile(L"English.lng").c_str());
    ASSERT_TRUE(RemoveDirectoryW((installation.Folder() + L"\\Lang").c_str()));
    Program program(installation.Exe());
    HWND main = ShownMainWindow(program, {L"&Optimiser Windows", L"L'aide"});
    ASSERT_NE(main, nullptr);
    VisitSettings(program, main, L"Annuler", 0);
    EXPECT_TRUE(QuitCleanly(program, main));
    EXPECT_FALSE(FolderExists(installation.Folder() + L"\\Lang"));
}

// Every process under Wine runs with full rights, so the folder is made
// read-only where Wine cannot help it: in the Unix file system, for root too.
class HostileReadOnlyLangFolderE2e : public HostileLanguageFilesE2e {
protected:
    ~HostileReadOnlyLangFolderE2e() override {
        if (!unixFolder_.empty()) Shell("chattr -R -i '" + unixFolder_ + "' ; chmod -R u+w '" + unixFolder_ + "'");
    }

    // False when this machine cannot keep the folder from being written.
    bool MakeLangFolderReadOnly() {
        unixFolder_ = UnixPath(installation.Folder() + L"\\Lang");
        if (unixFolder_.empty()) return false;
        Shell("chmod -R a-w '" + unixFolder_ + "' ; chattr -R +i '" + unixFolder_ + "' 2>/dev/null");
        const std::wstring probe = installation.LangFile(L"probe.lng");
        HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return true;
        CloseHandle(file);
        DeleteFileW(probe.c_str());
        return false;
    }

private:
    void Shell(const std::string& command) {
        const std::wstring done = installation.Folder() + L"\\shell.done";
        RunUnixShell(command, done, UnixPath(installation.Folder()) + "/shell.done");
    }

    std::string unixFolder_;
};

TEST_F(HostileReadOnlyLangFolderE2e, TheChosenLanguageShowsAndNoFileChanges) {
    // The French file as an earlier run left it, with a text the program would rewrite.
    const std::string french = "[FrmHome]\r\nForm.Caption=Velmora Xp\r\nCommand1.Caption=Ancien texte\r\n";
    WriteFileBytes(installation.LangFile(L"Francais.lng"), french);
    const std::string english = ReadFileBytes(installation.LangFile(L"English.lng"));
    if (!MakeLangFolderReadOnly()) GTEST_SKIP() << "the folder cannot be made read-only on this machine";
    SaveSetting(L"FILES", L"LNG", installation.LangFile(L"English.lng"));
    const std::string settings = KeySnapshot(HKEY_CURRENT_USER, kSettingsKey);

    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(Poll(5000, [&] { return FindChild(main, L"Quit") != nullptr; })) << "in English";
    for (const std::wstring& text : GarbledTexts(main)) ADD_FAILURE() << "garbled: " << Printable(text);
    EXPECT_TRUE(KeepsAnswering(main));
    Click(FindChild(main, L"Settings"));
    HWND window = program.WaitForWindow(L"Settings", 10000);
    ASSERT_NE(window, nullptr);
    HWND languages = ChildOfClass(window, L"ListBox");
    ASSERT_NE(languages, nullptr);
    EXPECT_EQ(SendMessageW(languages, LB_GETCOUNT, 0, 0), 2);
    Click(FindChild(window, L"Cancel"));
    EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(window); }));
    EXPECT_TRUE(QuitCleanly(program, main, L"Quit"));

    EXPECT_TRUE(ReadFileBytes(installation.LangFile(L"Francais.lng")) == french);
    EXPECT_TRUE(ReadFileBytes(installation.LangFile(L"English.lng")) == english);
    EXPECT_EQ(KeySnapshot(HKEY_CURRENT_USER, kSettingsKey), settings);
}

}  // namespace
}  // namespace brivex::e2e
