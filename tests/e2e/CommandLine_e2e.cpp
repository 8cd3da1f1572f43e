// The command line under Wine: the real exe started with a command, its
// standard output a pipe read while it runs, its exit code, the registry
// compared as a whole before and after, and no window ever shown. Every test
// puts back what the program changed, as the other tests share the prefix.

#include <gtest/gtest.h>
#include <shlwapi.h>
#include <tlhelp32.h>

#include <iostream>
#include <regex>
#include <sstream>

#include "e2e/ProgramUnderTest.h"
#include "e2e/footprint/RegistryReader.h"
#include "footprint/RegistrySnapshot.h"
#include "footprint/WineRegistryNoise.h"

namespace brivex::e2e {
namespace {

using footprint::Change;
using footprint::Difference;

// Generous: the first program of a new prefix waits for Wine to set the prefix up.
constexpr DWORD kRunTimeout = 60000;
const wchar_t kExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const wchar_t kPolicies[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kSecurityCenter[] = L"SOFTWARE\\Microsoft\\Security Center";
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

struct Finished {
    bool ended = false;
    DWORD exitCode = 0;
    std::string bytes;                  // as the pipe got them
    std::string output;                 // in UTF-8, read as a caller without a console reads them: in the OEM code page
    std::vector<std::wstring> windows;  // class names of the top-level windows the process showed
};

std::wstring Wide(std::string_view bytes, UINT codePage = CP_UTF8) {
    const int size = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return text;
}

std::string Narrow(std::wstring_view text, UINT codePage = CP_UTF8) {
    const int size =
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

void NoteShownWindows(DWORD process, std::vector<std::wstring>& windows) {
    struct Search {
        DWORD process;
        std::vector<std::wstring>* windows;
    } search{process, &windows};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[256] = {};
            if (owner == s.process && IsWindowVisible(window) && GetClassNameW(window, name, 256))
                s.windows->push_back(name);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
}

const SECURITY_ATTRIBUTES kInheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};

// Reads the pipe as the program writes, so a full pipe never stalls it, and
// looks for its windows all along; ends it when it overruns the time. An
// inheritable `output` given replaces the pipe.
Finished RunCommand(const std::wstring& exe, const std::wstring& arguments, HANDLE output = nullptr) {
    Finished finished;
    HANDLE read = nullptr, write = nullptr;
    if (!output) {
        SECURITY_ATTRIBUTES inheritable = kInheritable;
        if (!CreatePipe(&read, &write, &inheritable, 0)) return finished;
        SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output ? output : write;
    startup.hStdError = startup.hStdOutput;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    const BOOL started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    if (write) CloseHandle(write);
    if (!started) {
        if (read) CloseHandle(read);
        return finished;
    }
    const auto drain = [&] {
        DWORD available = 0;
        while (read && PeekNamedPipe(read, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            std::string chunk(available, '\0');
            DWORD got = 0;
            if (!ReadFile(read, chunk.data(), available, &got, nullptr)) return;
            finished.bytes.append(chunk, 0, got);
        }
    };
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(process.hProcess, 10) == WAIT_TIMEOUT && GetTickCount() - start < kRunTimeout) {
        drain();
        NoteShownWindows(process.dwProcessId, finished.windows);
    }
    finished.ended = WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
    if (!finished.ended) TerminateProcess(process.hProcess, 99);
    drain();
    finished.output = Narrow(Wide(finished.bytes, GetOEMCP()));
    GetExitCodeProcess(process.hProcess, &finished.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (read) CloseHandle(read);
    return finished;
}

// A console of the test's own, as cmd has one, which the program it starts
// joins; made in a code page, ended with the test.
class CallersConsole {
public:
    explicit CallersConsole(UINT codePage) {
        FreeConsole();
        AllocConsole();
        SetConsoleOutputCP(codePage);
        SECURITY_ATTRIBUTES inheritable = kInheritable;
        screen_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              &inheritable, OPEN_EXISTING, 0, nullptr);
    }
    ~CallersConsole() {
        CloseHandle(screen_);
        FreeConsole();
    }
    HANDLE Screen() const { return screen_; }
    // What the screen shows down to the cursor, a CR LF where each row ends.
    std::wstring Text() const {
        CONSOLE_SCREEN_BUFFER_INFO screen{};
        GetConsoleScreenBufferInfo(screen_, &screen);
        std::wstring text;
        for (SHORT row = 0; row <= screen.dwCursorPosition.Y; ++row) {
            const bool last = row == screen.dwCursorPosition.Y;
            std::wstring cells(last ? screen.dwCursorPosition.X : screen.dwSize.X, L' ');
            DWORD read = 0;
            ReadConsoleOutputCharacterW(screen_, cells.data(), static_cast<DWORD>(cells.size()), {0, row}, &read);
            text += last ? cells : cells.substr(0, cells.find_last_not_of(L' ') + 1) + L"\r\n";
        }
        return text;
    }

private:
    HANDLE screen_ = INVALID_HANDLE_VALUE;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r')) line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void WriteFileBytes(const std::wstring& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

HKEY RootOf(const std::string& path, std::wstring& rest) {
    const std::pair<const char*, HKEY> roots[] = {{"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
                                                  {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
                                                  {"HKEY_USERS", HKEY_USERS}};
    for (const auto& [name, root] : roots) {
        if (!path.starts_with(name)) continue;
        rest = Wide(path.substr(std::min(path.size(), std::string_view(name).size() + 1)));
        return root;
    }
    return nullptr;
}

// The program's differences, Wine's own left out.
std::vector<Difference> ProgramChanges(const footprint::RegistrySnapshot& before) {
    std::vector<Difference> changes;
    for (const Difference& difference : Compare(before, ReadRegistry()))
        if (!footprint::IsWineNoise(difference)) changes.push_back(difference);
    return changes;
}

// Undoes the differences: deleted keys and values come back, added ones go.
void PutBack(const footprint::RegistrySnapshot& before, const std::vector<Difference>& changes) {
    for (const Change pass : {Change::KeyDeleted, Change::ValueChanged, Change::ValueAdded, Change::KeyCreated}) {
        for (const Difference& d : changes) {
            std::wstring path;
            const HKEY root = RootOf(d.key, path);
            const bool restoresValue = d.change == Change::ValueChanged || d.change == Change::ValueDeleted;
            if (pass == Change::KeyDeleted && d.change == Change::KeyDeleted) {
                HKEY key = nullptr;
                if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) == 0)
                    RegCloseKey(key);
            } else if (pass == Change::ValueChanged && restoresValue) {
                const footprint::StoredValue* value = before.Value(d.key, d.valueName);
                WriteRawValue(root, path.c_str(), Wide(d.valueName).c_str(),
                              RawValue{value->type, std::string(value->data.begin(), value->data.end())});
            } else if (pass == Change::ValueAdded && d.change == Change::ValueAdded) {
                SHDeleteValueW(root, path.c_str(), Wide(d.valueName).c_str());
            } else if (pass == Change::KeyCreated && d.change == Change::KeyCreated) {
                SHDeleteKeyW(root, path.c_str());
            }
        }
    }
}

std::string Describe(const std::vector<Difference>& changes) {
    std::string text;
    for (const Difference& d : changes) text += footprint::Describe(d) + "\n";
    return text;
}

class CommandLineE2e : public ::testing::Test {
protected:
    CommandLineE2e() {
        EndLeftoverInstances();
        ClearSettings();
        before_ = ReadRegistry();
    }
    ~CommandLineE2e() override {
        PutBack(before_, ProgramChanges(before_));
        ClearSettings();
    }
    Finished Run(const std::wstring& arguments) { return RunCommand(installation.Exe(), arguments); }
    std::wstring File(const wchar_t* name) { return installation.Folder() + L"\\" + name; }

    Installation installation;
    MissingKeysMade madeKeys_{HKEY_LOCAL_MACHINE, {kPolicies, kSecurityCenter}};
    MissingKeysMade madeUserKeys_{HKEY_CURRENT_USER, {kAdvanced}};
    footprint::RegistrySnapshot before_;
};

TEST_F(CommandLineE2e, ExportThenCheckMatchesAndAChangedValueIsReported) {
    const PlantedValue desktopProcess(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess",
                                      RawValue{REG_DWORD, std::string("\1\0\0\0", 4)});
    const std::wstring preset = File(L"pr\u00e9r\u00e9glage d'\u00e9t\u00e9.ini");
    const Finished exported = Run(L"/export \"" + preset + L"\"");
    ASSERT_TRUE(exported.ended);
    EXPECT_EQ(exported.exitCode, 0u) << exported.output;
    const std::string text = ReadFileBytes(preset);
    EXPECT_TRUE(text.starts_with("\xEF\xBB\xBF; Brivex Doziv — préréglage des comportements\r\n[Tweaks]\r\n")) << text;
    EXPECT_NE(text.find("; Gestion des processus\r\nDesktopProcess = on\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("; Les fichiers cachés\r\n; état actuel inconnu\r\nHiddenFiles = keep\r\n"), std::string::npos);

    const Finished matching = Run(L"/CHECK \"" + preset + L"\"");
    EXPECT_EQ(matching.exitCode, 0u) << matching.output;
    EXPECT_EQ(Lines(matching.output).back(), "La machine est conforme au préréglage.");

    WriteRawValue(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess", RawValue{REG_DWORD, std::string(4, '\0')});
    const Finished differing = Run(L"-check \"" + preset + L"\"");
    EXPECT_EQ(differing.exitCode, 1u);
    const std::vector<std::string> lines = Lines(differing.output);
    ASSERT_EQ(lines.size(), 2u) << differing.output;
    EXPECT_TRUE(lines[0].starts_with("Comportements de HKEY_CURRENT_USER : compte ")) << lines[0];
    EXPECT_EQ(lines[1], "DesktopProcess: attendu on, trouvé off");
    EXPECT_TRUE(exported.windows.empty() && matching.windows.empty() && differing.windows.empty());
}

TEST_F(CommandLineE2e, TweaksWritesExactlyThePresetsBehaviours) {
    const std::wstring preset = File(L"poste.ini");
    // The other way from what earlier runs in the prefix left, so the value changes.
    const bool wasOn = DwordValue(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess") == 1u;
    WriteFileBytes(preset,
                   std::string("[Tweaks]\r\nDesktopProcess = ") + (wasOn ? "off" : "on") +
                       "\r\nFileExtensions = off\r\nBrivexCB16 = on\r\nSecurityCenter = keep\r\nNumLock = off\r\n");
    const Finished run = Run(L"/tweaks \"" + preset + L"\" /quiet");
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 1u) << "applied in part: " << run.output;
    EXPECT_TRUE(run.windows.empty());
    // Wine's prefix has no HKEY_USERS\.DEFAULT\Control Panel\Keyboard: NumLock's write is refused, and said.
    const std::vector<std::string> told = Lines(run.output);
    EXPECT_NE(std::ranges::find(told, "Non appliqué, le système a refusé une écriture : NumLock = off"), told.end())
        << run.output;
    EXPECT_NE(std::ranges::find(told, "Appliqué : FileExtensions = off"), told.end()) << run.output;
    EXPECT_EQ(told.back(), "Préréglage appliqué en partie : /check dit ce qui reste à faire.");

    const std::vector<Difference> changes = ProgramChanges(before_);
    std::vector<std::string> changed;
    for (const Difference& d : changes) changed.push_back(footprint::FoldCase(d.key + " " + d.valueName));
    EXPECT_EQ(changed,
              (std::vector<std::string>{
                  "hkey_current_user\\software\\microsoft\\windows\\currentversion\\explorer desktopprocess",
                  "hkey_current_user\\software\\microsoft\\windows\\currentversion\\explorer\\advanced hidefileext",
                  "hkey_local_machine\\software\\microsoft\\security center firewalldisablenotify"}))
        << Describe(changes);
    EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess"), wasOn ? 0u : 1u);
    EXPECT_EQ(DwordValue(HKEY_LOCAL_MACHINE, kSecurityCenter, L"FirewallDisableNotify"), 0u);
    EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, kAdvanced, L"HideFileExt"), 1u);
}

TEST_F(CommandLineE2e, ARefusedPresetChangesNothing) {
    const std::wstring preset = File(L"poste.ini");
    WriteFileBytes(preset, "[Tweaks]\r\nDesktopProcess = on\r\nFileExtensions = maybe\r\n");
    const Finished run = Run(L"/tweaks \"" + preset + L"\"");
    EXPECT_EQ(run.exitCode, 2u);
    const std::vector<std::string> lines = Lines(run.output);
    ASSERT_EQ(lines.size(), 2u) << run.output;
    EXPECT_TRUE(lines[0].ends_with("poste.ini, ligne 3 : valeur autre que off, on, keep : FileExtensions = maybe"))
        << lines[0];
    EXPECT_EQ(Describe(ProgramChanges(before_)), "");
}

TEST_F(CommandLineE2e, OptimiseWithoutWindowMarkerOrRunValueEndsAskingARestartAndLogs) {
    const std::wstring log = File(L"journal d'ex\u00e9cution.log");
    const Finished run = Run(L"/optimise /log \"" + log + L"\"");
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 3010u) << run.output;
    EXPECT_TRUE(run.windows.empty()) << Printable(run.windows.front());
    const std::vector<std::string> told = Lines(run.output);
    ASSERT_EQ(told.size(), 2u) << run.output;
    EXPECT_TRUE(told[0].starts_with("Fichier d'annulation : C:\\")) << told[0];
    EXPECT_EQ(told[1], "Optimisation effectuée : un redémarrage la complète.");
    EXPECT_EQ(ReadSetting(L"config", L"reboot"), L"<absent>") << "no pending-reboot marker";
    EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, kRunKey, L"Velmora Doziv"), std::nullopt);
    EXPECT_EQ(TextValue(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"MenuShowDelay"), L"0");

    const std::vector<std::string> lines = Lines(ReadFileBytes(log));
    ASSERT_GE(lines.size(), 3u);
    const std::regex stamped(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d .+)");
    for (const std::string& line : lines) EXPECT_TRUE(std::regex_match(line, stamped)) << line;
    EXPECT_NE(lines.front().find(" Début : \""), std::string::npos) << lines.front();
    EXPECT_TRUE(lines.back().ends_with(" Fin : code de sortie 3010")) << lines.back();
    EXPECT_TRUE(std::ranges::any_of(lines, [](const std::string& line) {
        return line.ends_with(" Écrit : HKEY_CURRENT_USER\\Control Panel\\Desktop\\MenuShowDelay = 0");
    }));
}

TEST_F(CommandLineE2e, UsageAndBadCommandLinesThroughAPipe) {
    const Finished usage = Run(L"/?");
    EXPECT_EQ(usage.exitCode, 0u);
    const std::vector<std::string> lines = Lines(usage.output);
    ASSERT_EQ(lines.size(), 41u) << usage.output;
    EXPECT_EQ(lines[27], "  NumLock (BrivexCB12)");
    EXPECT_EQ(lines.back(), "  3010 : /optimise fait, un redémarrage le complète");
    for (const wchar_t* bad : {L"/check /quiet", L"/optimise /tweaks x.ini", L"/reset", L"/quiet"}) {
        const Finished refused = Run(bad);
        EXPECT_EQ(refused.exitCode, 2u) << Printable(bad);
        EXPECT_TRUE(refused.windows.empty()) << Printable(bad) << ": a pipe reads the error, no box";
    }
    EXPECT_EQ(Describe(ProgramChanges(before_)), "");
}

// A deployment agent that reads nothing: the output is a pipe no one reads from.
TEST_F(CommandLineE2e, AMistakeNoOneReadsEndsAtOnceWithTwoAndNoWindow) {
    for (const wchar_t* bad : {L"/tweaks p.ini /quite", L"\u2013chek p.ini", L"/reset /quiet", L"/log x.log"}) {
        SECURITY_ATTRIBUTES inheritable = kInheritable;
        HANDLE read = nullptr, write = nullptr;
        ASSERT_TRUE(CreatePipe(&read, &write, &inheritable, 0));
        CloseHandle(read);
        const DWORD start = GetTickCount();
        const Finished run = RunCommand(installation.Exe(), bad, write);
        const DWORD took = GetTickCount() - start;
        CloseHandle(write);
        EXPECT_EQ(run.exitCode, 2u) << Printable(bad);
        EXPECT_TRUE(run.windows.empty()) << Printable(bad) << ": " << Printable(run.windows.front());
        // A second under a quiet machine; the bound leaves room for a loaded one, far below a hang.
        EXPECT_LT(took, 5000u) << Printable(bad);
        std::cout << "[ measured ] " << Printable(bad) << " ended in " << took << " ms\n";
    }
}

TEST_F(CommandLineE2e, AWhatIfRunChangesNothingAndSaysEachWrite) {
    const std::wstring preset = File(L"poste.ini");
    WriteFileBytes(preset, "[Tweaks]\r\nDesktopProcess = on\r\nFileExtensions = off\r\nBrivexCB16 = on\r\n");
    for (const std::wstring& command : {L"/tweaks \"" + preset + L"\" /whatif", std::wstring(L"/optimise /whatif")}) {
        const Finished run = Run(command);
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.exitCode, 0u) << run.output;
        EXPECT_TRUE(run.windows.empty());
        const std::vector<std::string> lines = Lines(run.output);
        const auto saysAWrite = [](const std::string& line) { return line.find(" : HKEY_") != std::string::npos; };
        EXPECT_GE(std::ranges::count_if(lines, saysAWrite), 3) << run.output;
        EXPECT_EQ(Describe(ProgramChanges(before_)), "") << Printable(command);
    }
}

// The process of a running copy of the program, or 0.
DWORD RunningProgram() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, L"Brivex Doziv.exe") == 0) found = entry.th32ProcessID;
    CloseHandle(snapshot);
    return found;
}

// "Brivex Doziv.com", which cmd and PowerShell find before the exe: a command
// ends with the program's own exit code and output, its quoted file name
// intact; without a command the windows open after the companion has returned.
TEST_F(CommandLineE2e, TheConsoleCompanionEndsAsTheProgramDoes) {
    const std::wstring missing = L"/check \"" + File(L"pr\u00e9r\u00e9glage d'\u00e9t\u00e9.ini") + L"\"";
    const std::pair<std::wstring, DWORD> cases[] = {{L"/?", 0}, {missing, 3}, {L"/reset", 2}, {L"-CHECK /quiet", 2}};
    for (const auto& [arguments, exitCode] : cases) {
        const Finished program = Run(arguments);
        const Finished companion = RunCommand(installation.Companion(), arguments);
        EXPECT_EQ(program.exitCode, exitCode) << Printable(arguments);
        EXPECT_EQ(companion.exitCode, exitCode) << Printable(arguments);
        EXPECT_EQ(companion.output, program.output) << Printable(arguments);
        EXPECT_FALSE(companion.output.empty()) << Printable(arguments);
    }

    const Finished windows = RunCommand(installation.Companion(), L"");
    EXPECT_TRUE(windows.ended);
    EXPECT_EQ(windows.exitCode, 0u);
    const DWORD program = RunningProgram();
    ASSERT_NE(program, 0u) << "the program runs on";
    std::vector<std::wstring> shown;
    EXPECT_TRUE(Poll(kRunTimeout, [&] {
        NoteShownWindows(program, shown);
        return !shown.empty();
    }));
    EndLeftoverInstances();
}

TEST_F(CommandLineE2e, OutputInTheCallersCodePageUnicodeOnAConsoleLinesEndedByCrLf) {
    // The unknown switch is echoed: "é" is in every Western code page, "ā" in none.
    const std::string told = "Option inconnue : /réglāge\r\nRien n'a été changé. Pour l'aide : /?\r\n";
    enum class Output { Pipe, Nul, Console };
    struct Case {
        const char* what;
        UINT consoleCodePage;  // 0: the caller has no console
        Output output;
    };
    const Case cases[] = {
        {"a pipe, no console: the OEM code page", 0, Output::Pipe},
        {"a pipe from a console: the console's code page", 1252, Output::Pipe},
        {"NUL, no console: no box", 0, Output::Nul},
        {"NUL from a console: nothing on the console", 1252, Output::Nul},
        {"the console: Unicode", 1252, Output::Console},
    };
    SECURITY_ATTRIBUTES inheritable = kInheritable;
    HANDLE nul =
        CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING, 0, nullptr);
    for (const Case& c : cases) {
        std::optional<CallersConsole> console;
        if (c.consoleCodePage) console.emplace(c.consoleCodePage);
        const HANDLE output = c.output == Output::Nul ? nul : c.output == Output::Console ? console->Screen() : nullptr;
        const Finished run = RunCommand(installation.Exe(), L"/r\u00e9gl\u0101ge", output);
        EXPECT_EQ(run.exitCode, 2u) << c.what;
        EXPECT_TRUE(run.windows.empty()) << c.what;
        const UINT codePage = c.consoleCodePage ? c.consoleCodePage : GetOEMCP();
        EXPECT_EQ(run.bytes, c.output == Output::Pipe ? Narrow(Wide(told), codePage) : "") << c.what;
        if (console) { EXPECT_EQ(Printable(console->Text()), c.output == Output::Console ? told : "") << c.what; }
    }
    CloseHandle(nul);
}

}  // namespace
}  // namespace brivex::e2e
