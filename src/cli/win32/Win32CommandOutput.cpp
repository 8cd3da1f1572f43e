#include "cli/win32/Win32CommandOutput.h"

#include <windows.h>

#include <string>

#include "platform/win32/WideText.h"

namespace brivex {

namespace {

// Asked once the process is attached to the console it will use, if any.
StandardOutput KindOf(HANDLE output) {
    DWORD mode = 0;
    if (!output) return StandardOutput::Absent;
    if (GetConsoleMode(output, &mode)) return StandardOutput::Console;
    return GetFileType(output) != FILE_TYPE_UNKNOWN ? StandardOutput::Redirected : StandardOutput::Absent;
}

}  // namespace

Win32CommandOutput::~Win32CommandOutput() {
    if (ownsTarget_) CloseHandle(target_);
}

void Win32CommandOutput::PreferUtf8() { facts_.preferUtf8 = true; }

// The process joins its parent's console before it looks at its standard
// output: GetConsoleMode tells a console from another character device (the
// NUL device is one) only on a console the process is attached to, and a
// redirected output is read back with that console's code page. A redirected
// output then leaves the console at once, so that a Ctrl+C meant for the
// caller's pipeline does not end a run half-way. Under Wine a window program
// started from a console program is attached to it from the start: the join
// fails with ERROR_ACCESS_DENIED, as it does for a process that has a console.
void Win32CommandOutput::Choose() {
    chosen_ = true;
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == INVALID_HANDLE_VALUE) output = nullptr;
    const bool joined = AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    const bool attached = joined || GetLastError() == ERROR_ACCESS_DENIED;
    facts_.output = KindOf(output);
    facts_.consoleCodePage = attached ? GetConsoleOutputCP() : 0;
    facts_.oemCodePage = GetOEMCP();
    if (facts_.output != StandardOutput::Absent) {
        target_ = output;
        if (facts_.output == StandardOutput::Redirected && joined) FreeConsole();
    } else if (attached) {
        target_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
        ownsTarget_ = target_ != INVALID_HANDLE_VALUE;
        if (!ownsTarget_) target_ = nullptr;
    }
}

bool Win32CommandOutput::WriteLine(std::string_view text) {
    if (!chosen_) Choose();
    const OutputEncoding encoding = ChooseOutputEncoding(facts_);
    if (!target_ || encoding.form == OutputEncoding::Form::Unreadable) return false;
    const std::string line = FramedLine(text);
    DWORD written = 0;
    if (encoding.form == OutputEncoding::Form::Wide) {
        const std::wstring wide = Widen(line);
        return WriteConsoleW(target_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != FALSE;
    }
    const std::string bytes = encoding.form == OutputEncoding::Form::Utf8 ? line : ToCodePage(encoding.codePage, line);
    return WriteFile(target_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE;
}

}  // namespace brivex
