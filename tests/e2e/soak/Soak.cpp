// brivex_soak: a day of use of the real program in a few minutes, worked from
// outside as the end-to-end tests work it, in one process for the whole run.
//   brivex_soak run CYCLES   installs a copy of dist/ as the end-to-end tests do, starts it, works it through
//                            CYCLES cycles, prints what it holds after the warm-up and at the end, and last
//                            "soak: N cycles; memory +X KB; handles +H; gdi +G; user +U" (the growth between).
//   brivex_soak counts PID   prints what a process holds.
// A cycle: each tool window opened from the main window and closed; in the tweak panel a run with nothing
// ticked; in the settings the other language (French, English) chosen and applied; the main window told it
// moved to a monitor of another resolution.
// Exit status 0; 1 when a step failed or a count grew by more than its allowance; 2 on bad usage.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "e2e/ProgramUnderTest.h"
#include "e2e/soak/ProcessResources.h"

namespace brivex::soak {
namespace {

constexpr int kWarmUpCycles = 5;
constexpr DWORD kStepTimeout = 10000;
// Sent when a window goes to a monitor of another resolution; the XP headers do not have it.
constexpr UINT kDpiChanged = 0x02E0;

// What a run may add after its warm-up whatever its number of cycles: what Wine
// keeps for later once it has needed it. Memory: its heaps and glibc's grow in
// steps of 4 and 64 KB that they keep; measured, 20 cycles add 0 to 80 KB and
// 300 cycles 112 KB, reached by the 160th. Handles, GDI objects and windows:
// none was ever added after the warm-up; a few stand for the registry keys,
// cached device contexts and helper windows Wine makes on a first need.
constexpr ProcessResources kAllowance{.memoryKb = 256, .handles = 4, .gdi = 8, .user = 2};

enum Language { kFrench, kEnglish };

struct Caption {
    const wchar_t* french;
    const wchar_t* english;
    std::wstring In(Language language) const { return language == kFrench ? french : english; }
};

struct ToolWindow {
    Caption button;  // on the main window
    Caption window;
};
const ToolWindow kInformation{
    {L"Info Syst\u00e8me", L"System Info"},
    {L"Brivex Information Syt\u00e8me - Velmora Xp", L"Brivex System Information - Velmora Xp"}};
const ToolWindow kTweakPanel{{L"Brivex Tweaker", L"Brivex Tweaker"},
                             {L"Personnalisation de Windows  - Velmora Xp", L"Windows Customisation - Velmora Xp"}};
const ToolWindow kSettings{{L"Configuration", L"Settings"}, {L"Configuration", L"Settings"}};
const ToolWindow kBackup{{L"System Backup", L"System Backup"}, {L"Brivex System Backup", L"Brivex System Backup"}};
const Caption kQuit{L"Quitter", L"Quit"};
const Caption kSwitchOff{L"&D\u00e9sactiver", L"&Disable"};
const Caption kSwitchOn{L"&Activer", L"&Enable"};
const Caption kRunning{L"Optimisation en cours ..", L"Optimisation in progress .."};
const Caption kChange{L"Changer", L"Change"};
const Caption kApply{L"&Appliquer", L"&Apply"};
const Caption kLanguageFile{L"Francais.lng", L"English.lng"};

class Session {
public:
    Session(e2e::Program& program, HWND main) : program_(program), main_(main) {
        GetWindowRect(main_, &designPlace_);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, program_.Id());
        // Wine hands WM_DPICHANGED's rectangle over as the pointer it is: it must lie in the program's memory.
        suggested_ = process_ ? VirtualAllocEx(process_, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE) : nullptr;
    }
    ~Session() {
        if (process_) CloseHandle(process_);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // False, with the step that failed said, when one does.
    bool Cycle(int number) {
        number_ = number;
        return OpenAndClose(kInformation) && RunTweaks(number % 2 == 1) && SwitchLanguage() && OpenAndClose(kBackup) &&
               ChangeDpi(number % 2 == 1 ? 144 : 96);
    }

private:
    bool Fail(const std::string& step) {
        std::printf("soak: cycle %d: %s\n", number_, step.c_str());
        if (const auto box = program_.CurrentMessageBox())
            std::printf("soak: a message box is open: \"%s\": %s\n", e2e::Printable(box->title).c_str(),
                        e2e::Printable(box->text).c_str());
        std::fflush(stdout);
        return false;
    }

    HWND Open(const ToolWindow& tool) {
        HWND button = e2e::FindChild(main_, tool.button.In(language_));
        if (!button) {
            Fail("no button \"" + e2e::Printable(tool.button.In(language_)) + "\"");
            return nullptr;
        }
        e2e::Click(button);
        HWND window = program_.WaitForWindow(tool.window.In(language_), kStepTimeout);
        if (!window) Fail("the window \"" + e2e::Printable(tool.window.In(language_)) + "\" did not open");
        return window;
    }

    // Gone, and the main window back.
    bool Gone(HWND window) {
        return e2e::Poll(kStepTimeout, [&] { return !IsWindow(window) && !IsIconic(main_); }) ||
               Fail("a window did not close or the main window did not come back");
    }

    bool OpenAndClose(const ToolWindow& tool) {
        HWND window = Open(tool);
        if (!window) return false;
        PostMessageW(window, WM_CLOSE, 0, 0);
        return Gone(window);
    }

    bool RunTweaks(bool switchOff) {
        HWND panel = Open(kTweakPanel);
        if (!panel) return false;
        HWND button = e2e::FindChild(panel, (switchOff ? kSwitchOff : kSwitchOn).In(language_));
        HWND running = e2e::FindChild(panel, kRunning.In(language_));
        if (!button || !running) return Fail("the tweak panel lacks its button or its progress text");
        e2e::Click(button);
        if (!e2e::Poll(kStepTimeout, [&] { return IsWindowVisible(running) != FALSE; }))
            return Fail("the tweak run did not start");
        PostMessageW(panel, WM_CLOSE, 0, 0);
        return Gone(panel);
    }

    bool SwitchLanguage() {
        HWND window = Open(kSettings);
        if (!window) return false;
        const Language other = language_ == kFrench ? kEnglish : kFrench;
        HWND list = e2e::ChildOfClass(window, L"ListBox");
        HWND change = e2e::FindChild(window, kChange.In(language_));
        if (!list || !change) return Fail("the settings lack the language list or its box");
        e2e::Click(change);
        if (!e2e::Poll(kStepTimeout, [&] { return IsWindowEnabled(list) != FALSE; }) ||
            !e2e::ChooseInList(list, kLanguageFile.In(other)))
            return Fail("the language list did not offer " + e2e::Printable(kLanguageFile.In(other)));
        e2e::Click(e2e::FindChild(window, kApply.In(language_)));
        if (!Gone(window)) return false;
        language_ = other;
        return e2e::Poll(kStepTimeout, [&] { return e2e::FindChild(main_, kQuit.In(language_)) != nullptr; }) ||
               Fail("the main window was not relabelled in " + e2e::Printable(kLanguageFile.In(language_)));
    }

    bool ChangeDpi(int dpi) {
        const RECT place{designPlace_.left, designPlace_.top,
                         designPlace_.left + MulDiv(designPlace_.right - designPlace_.left, dpi, 96),
                         designPlace_.top + MulDiv(designPlace_.bottom - designPlace_.top, dpi, 96)};
        DWORD_PTR result = 0;
        if (!suggested_ || !WriteProcessMemory(process_, suggested_, &place, sizeof place, nullptr) ||
            !SendMessageTimeoutW(main_, kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(suggested_),
                                 SMTO_ABORTIFHUNG, kStepTimeout, &result))
            return Fail("the change of resolution could not be sent");
        RECT now;
        GetWindowRect(main_, &now);
        return EqualRect(&now, &place) || Fail("the main window did not take the suggested place");
    }

    e2e::Program& program_;
    HWND main_;
    RECT designPlace_{};
    HANDLE process_ = nullptr;
    void* suggested_ = nullptr;
    Language language_ = kFrench;
    int number_ = 0;
};

std::optional<ProcessResources> Sample(e2e::Program& program, HWND main, const char* when) {
    // Settled: every message sent so far handled, and the tweak panel's animation stopped with its window.
    e2e::KeepsAnswering(main);
    Sleep(300);
    const std::optional<ProcessResources> r = ReadProcessResources(program.Id());
    if (r)
        std::printf("soak: %s: memory %lld KB; handles %lld; gdi %lld; user %lld\n", when, r->memoryKb, r->handles,
                    r->gdi, r->user);
    else std::printf("soak: %s: the program's process could not be read\n", when);
    std::fflush(stdout);
    return r;
}

// Each count grown by more than its allowance, then the growth line, last; true when none did.
bool Report(int cycles, const ProcessResources& before, const ProcessResources& after) {
    struct Count {
        const char* name;
        long long ProcessResources::*value;
    };
    constexpr Count kCounts[] = {{"memory (KB)", &ProcessResources::memoryKb},
                                 {"handles", &ProcessResources::handles},
                                 {"gdi", &ProcessResources::gdi},
                                 {"user", &ProcessResources::user}};
    bool within = true;
    for (const Count& count : kCounts) {
        const long long growth = after.*count.value - before.*count.value;
        if (growth <= kAllowance.*count.value) continue;
        std::printf("soak: %s grew by %lld, more than the %lld allowed\n", count.name, growth, kAllowance.*count.value);
        within = false;
    }
    std::printf("soak: %d cycles; memory %+lld KB; handles %+lld; gdi %+lld; user %+lld\n", cycles,
                after.memoryKb - before.memoryKb, after.handles - before.handles, after.gdi - before.gdi,
                after.user - before.user);
    return within;
}

// The cycles, the samples, then the program quit as a user quits it.
int Work(e2e::Program& program, HWND main, int cycles) {
    Session session(program, main);
    // The last cycle's parity: both samples find the program in the same language and at the same resolution.
    const int warmUp = cycles <= kWarmUpCycles ? cycles : kWarmUpCycles + (cycles - kWarmUpCycles) % 2;
    std::optional<ProcessResources> before = warmUp == 0 ? Sample(program, main, "at the start") : std::nullopt;
    for (int number = 1; number <= cycles; ++number) {
        if (!session.Cycle(number)) return 1;
        if (number == warmUp) before = Sample(program, main, ("after cycle " + std::to_string(number)).c_str());
    }
    const std::optional<ProcessResources> after = Sample(program, main, "at the end");
    PostMessageW(main, WM_CLOSE, 0, 0);
    if (!program.WaitForExit(kStepTimeout)) std::printf("soak: the program did not end when asked\n");
    if (!before || !after) return 1;
    return Report(cycles, *before, *after) ? 0 : 1;
}

int Run(int cycles) {
    e2e::EndLeftoverInstances();
    e2e::ClearSettings();
    e2e::SaveSetting(L"config", L"first", L"1");  // a user who has run it before: no first-run notices
    int status = 1;
    {
        e2e::Installation installation;
        e2e::Program program(installation.Exe());
        if (HWND main = program.WaitForWindow(L"Velmora Xp", 60000)) status = Work(program, main, cycles);
        else std::printf("soak: the main window did not appear\n");
    }
    e2e::ClearSettings();
    std::fflush(stdout);
    return status;
}

int PrintCounts(DWORD processId) {
    const std::optional<ProcessResources> r = ReadProcessResources(processId);
    if (!r) return 1;
    std::printf("memory %lld KB; handles %lld; gdi %lld; user %lld\n", r->memoryKb, r->handles, r->gdi, r->user);
    return 0;
}

}  // namespace
}  // namespace brivex::soak

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const std::wstring command = argv[1];
    wchar_t* end = nullptr;
    const unsigned long number = std::wcstoul(argv[2], &end, 10);
    if (*end) return 2;
    if (command == L"run") return brivex::soak::Run(static_cast<int>(number));
    if (command == L"counts") return brivex::soak::PrintCounts(static_cast<DWORD>(number));
    return 2;
}
