#include "cli/win32/Win32CommandFiles.h"

#include <windows.h>

#include <string>

#include "platform/win32/WideText.h"

namespace brivex {

namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

}  // namespace

std::optional<std::string> Win32CommandFiles::Read(const std::string& path, std::size_t limit) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Failed();
        return std::nullopt;
    }
    std::string bytes(limit + 1, '\0');
    std::size_t count = 0;
    for (;;) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(bytes.size() - count);
        if (want == 0) break;
        if (!ReadFile(file, bytes.data() + count, want, &got, nullptr)) {
            Failed();
            CloseHandle(file);
            return std::nullopt;
        }
        if (got == 0) break;
        count += got;
    }
    CloseHandle(file);
    bytes.resize(count);
    return bytes;
}

bool Win32CommandFiles::Replace(const std::string& path, std::string_view bytes) {
    HANDLE file =
        CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed();
    const bool whole = WriteAll(file, bytes) || Failed();
    return (CloseHandle(file) || Failed()) && whole;
}

bool Win32CommandFiles::Append(const std::string& path, std::string_view bytes) {
    // Other runs may write the same log at once: each line goes whole to the end.
    HANDLE file = CreateFileW(Widen(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed();
    const bool whole = WriteAll(file, bytes) || Failed();
    return (CloseHandle(file) || Failed()) && whole;
}

bool Win32CommandFiles::Failed() {
    lastError_ = GetLastError();
    return false;
}

std::string Win32CommandFiles::LastFailure() const {
    wchar_t* message = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, lastError_, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring text(message, length);
    LocalFree(message);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    if (!text.empty()) text += L' ';
    return Narrow(text) + "(" + std::to_string(lastError_) + ")";
}

}  // namespace brivex
