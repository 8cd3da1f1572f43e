#include <windows.h>

#include <string>

#include "cli/ExitCode.h"
#include "console/ProgramStart.h"
#include "platform/win32/WideText.h"

namespace {

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return path.substr(0, length);
        path.resize(path.size() * 2);  // cut short: Windows XP then leaves no terminator, nor an error
    }
}

std::wstring SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
        message.pop_back();
    return message.empty() ? L"code " + std::to_wstring(error) : message;
}

// One line on the standard error: a console gets it as text; anything else in
// the console's code page, as cmd and PowerShell read what a program prints,
// or the OEM one when there is no console at all.
void SayOnErrorOutput(const std::wstring& line) {
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (!error || error == INVALID_HANDLE_VALUE) return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(error, &mode)) {
        WriteConsoleW(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        return;
    }
    const UINT codePage = GetConsoleOutputCP() ? GetConsoleOutputCP() : GetOEMCP();
    const int units = static_cast<int>(line.size());
    std::string bytes(WideCharToMultiByte(codePage, 0, line.data(), units, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(codePage, 0, line.data(), units, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                        nullptr);
    WriteFile(error, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// In French, the program's own language, whatever the settings say: the
// program that reads them could not be started.
void SayCannotStart(const std::wstring& program, DWORD error) {
    const std::wstring name = program.substr(program.find_last_of(L"\\/") + 1);
    SayOnErrorOutput(L"Impossible de d\u00e9marrer " + name + L" : " + SystemMessage(error) + L"\r\n");
}

// Ctrl+C and Ctrl+Break while a command runs: the companion takes no notice
// and waits on, so a run that writes the registry is never cut half-way; the
// prompt comes back when the program ends, with its exit code. The program, a
// windowed process, gets the events only once it attached to the console to
// write there, and then takes no notice either (app/win32/WinMain.cpp).
BOOL WINAPI TakeNoNoticeOfInterruptions(DWORD event) { return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT; }

}  // namespace

// A command is waited for, the program given the companion's standard handles;
// the windows are started on their own and the companion ends at once: they
// would otherwise hold a caller's pipe open for as long as they stay on screen.
int wmain() {
    const brivex::ProgramStart start = brivex::StartBeside(OwnPath(), GetCommandLineW());
    const bool waits = brivex::WaitsForProgram(brivex::Narrow(start.commandLine));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (waits) {
        SetConsoleCtrlHandler(TakeNoNoticeOfInterruptions, TRUE);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    }
    std::wstring commandLine = start.commandLine;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(start.program.c_str(), commandLine.data(), nullptr, nullptr, waits, 0, nullptr, nullptr,
                        &startup, &process)) {
        SayCannotStart(start.program, GetLastError());
        return brivex::exitcode::FileError;
    }
    CloseHandle(process.hThread);
    DWORD exitCode = 0;
    if (waits) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &exitCode);
    }
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}
