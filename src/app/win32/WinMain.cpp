#include <windows.h>
#include <commctrl.h>

#include "app/Elevation.h"
#include "app/LogOnStart.h"
#include "app/Main.h"
#include "app/Windows.h"
#include "app/win32/HomeArt.h"
#include "cli/Unattended.h"
#include "cli/win32/Win32CommandFiles.h"
#include "cli/win32/Win32CommandOutput.h"
#include "platform/win32/Win32FileFinder.h"
#include "platform/win32/Win32UserFiles.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/Win32AnsiCodec.h"
#include "platform/win32/Win32Drives.h"
#include "platform/win32/Win32IniFile.h"
#include "platform/win32/Win32ProcessElevation.h"
#include "platform/win32/Win32RegistryApi.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemFacts.h"
#include "platform/win32/WmiManagementService.h"
#include "program/Program.h"
#include "program/WaitingManagementService.h"
#include "progressbar/win32/ProgressBarPeer.h"
#include "registry/Settings.h"
#include "ui/win32/ErrorBarrier.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32FormHost.h"
#include "ui/win32/Win32Loop.h"

namespace {

// Per-monitor awareness where the system has it; the manifest covers the rest.
void BecomeDpiAware() {
    using SetAwareness = BOOL(WINAPI*)(void*);
    if (HMODULE user = GetModuleHandleW(L"user32")) {
        if (auto set = reinterpret_cast<SetAwareness>(
                reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDpiAwarenessContext"))))
            set(reinterpret_cast<void*>(static_cast<INT_PTR>(-4)));  // per monitor, version 2
    }
}

// A command's run is never cut half-way: once its output has attached to the
// console of the cmd, PowerShell or console companion that started it, Ctrl+C
// or Ctrl+Break there would end the process between two registry writes.
BOOL WINAPI FinishTheRun(DWORD event) { return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT; }

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    BecomeDpiAware();
    brivex::ui::Win32Dialogs dialogs{std::string(brivex::kAppTitle)};
    brivex::Win32RegistryApi registry;
    brivex::Win32AnsiCodec ansi;
    brivex::RegistrySettingsStore settings;
    brivex::Win32IniFile ini;
    brivex::Win32SystemFacts system;
    brivex::Win32Shell shell;
    // Of the process's lifetime: a request the windows stopped waiting for
    // runs on to its end on its own thread, perhaps after this function.
    static brivex::WmiManagementService management;
    brivex::Win32FileFinder files;
    brivex::Win32Drives drives;
    brivex::Win32UserFiles userFiles;
    brivex::Platform platform{registry, ansi, settings, ini, system, shell, management, files, drives, userFiles};
    brivex::Win32ProcessElevation elevation;

    // A command on the command line runs before anything of the windowed
    // program: no elevation prompt, no window, no first-run notice, no sound.
    // Nor any box of the system's own, which no one may be there to answer: a
    // drive that is not ready fails the call, and a crash ends the run.
    const UINT systemBoxes = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
    SetErrorMode(systemBoxes | SEM_NOGPFAULTERRORBOX);
    brivex::Win32CommandOutput commandOutput;
    brivex::Win32CommandFiles commandFiles;
    SetConsoleCtrlHandler(FinishTheRun, TRUE);
    if (const auto exitCode = brivex::RunUnattended({platform, elevation, commandOutput, commandFiles}))
        return *exitCode;
    // The windows keep Windows' report of a crash, which someone sees.
    SetErrorMode(systemBoxes);
    // Faults are told in a box from here on: a command, above, may have no one to answer it.
    brivex::ui::ReportErrorsThrough(&dialogs);

    // A start at log-on with no window waiting for this account ends before the
    // elevation prompt (see app/LogOnStart.h).
    brivex::Settings options(settings);
    if (brivex::EndsAtLogOn(elevation.CommandLine(), options)) return 0;

    // The rights before anything of the program runs (see app/Elevation.h).
    if (brivex::EnsureElevated(elevation, dialogs) != brivex::StartRights::GoOn) return 0;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    brivex::RegisterProgramArt();
    brivex::ProgressBarPeer::Register();

    brivex::ui::Win32Loop loop;
    brivex::ui::Win32FormHost forms(loop);
    // The windows wait on the management service away from their thread;
    // the command line above has no windows to keep alive and asks directly.
    brivex::WaitingManagementService waitingManagement(management, loop);
    brivex::Platform windowsPlatform = platform.WithManagement(waitingManagement);
    brivex::Program program(windowsPlatform, loop, forms, dialogs);
    brivex::RegisterWindows(program);

    if (brivex::Main(program)) loop.Run();
    return 0;
}
