#include "cli/win32/Win32CommandOutput.h"

#include <windows.h>

#include <string>

#include "platform/win32/Win32AnsiCodec.h"

namespace brivex {

Win32CommandOutput::~Win32CommandOutput() {
    if (console_) CloseHandle(console_);
}

void Win32CommandOutput::Choose() {
    chosen_ = true;
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const DWORD type = output && output != INVALID_HANDLE_VALUE ? GetFileType(output) : FILE_TYPE_UNKNOWN;
    if (type == FILE_TYPE_PIPE || type == FILE_TYPE_DISK) {
        stream_ = output;
        return;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) return;
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) console_ = console;
}

bool Win32CommandOutput::WriteLine(std::string_view text) {
    if (!chosen_) Choose();
    if (stream_) {
        const std::string bytes = std::string(text) + "\r\n";
        DWORD written = 0;
        return WriteFile(stream_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE;
    }
    if (console_) {
        // The prompt the parent printed before starting the program stays on its
        // line: the text starts on the next.
        const std::wstring wide = L"\r\n" + Widen(text);
        DWORD written = 0;
        return WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != FALSE;
    }
    return false;
}

}  // namespace brivex
