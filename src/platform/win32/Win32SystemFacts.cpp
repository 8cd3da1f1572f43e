#include "platform/win32/Win32SystemFacts.h"

#include <windows.h>
#include <lm.h>

#include "platform/win32/WideText.h"

namespace brivex {

namespace {

// One name for every copy of the program in the session, wherever it is installed.
constexpr wchar_t kInstanceMutexName[] = L"Local\\Velmora.BrivexDoziv.Instance";

}  // namespace

Win32SystemFacts::~Win32SystemFacts() {
    if (instanceMutex_) CloseHandle(instanceMutex_);
}

std::optional<int> Win32SystemFacts::PlatformId() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = 148;  // the size of the record the version query expects
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&version)) return std::nullopt;
#pragma GCC diagnostic pop
    return static_cast<int>(version.dwPlatformId);
}

std::string Win32SystemFacts::ApplicationFolder() {
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L'\\') + 1);
    if (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();  // "C:\" keeps its backslash
    return Narrow(folder);
}

std::string Win32SystemFacts::WindowsFolder() {
    wchar_t path[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};  // too long for the buffer: no folder, no deletion
    return Narrow(std::wstring_view(path, length));
}

bool Win32SystemFacts::PreviousInstance() {
    if (!instanceMutex_) {
        instanceMutex_ = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
        previousInstance_ = GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return previousInstance_;
}

LocalTime Win32SystemFacts::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

MemoryStatus Win32SystemFacts::Memory() {
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return {};
    return {status.dwMemoryLoad,     status.ullTotalPhys,    status.ullAvailPhys,   status.ullTotalPageFile,
            status.ullAvailPageFile, status.ullTotalVirtual, status.ullAvailVirtual};
}

char Win32SystemFacts::DecimalSeparator() {
    wchar_t separator[4] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) < 2 || separator[0] > 0x7F) return '.';
    return static_cast<char>(separator[0]);
}

std::string Win32SystemFacts::MonthName(int month) {
    if (month < 1 || month > 12) return {};
    wchar_t name[80] = {};
    const int length =
        GetLocaleInfoW(LOCALE_USER_DEFAULT, static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + month - 1), name, 80);
    if (length < 2) return {};
    return Narrow(std::wstring_view(name, static_cast<std::size_t>(length - 1)));
}

std::string Win32SystemFacts::UserName() {
    wchar_t name[257] = {};  // the longest account name and its terminator
    DWORD size = 257;
    if (!GetUserNameW(name, &size) || size == 0) return {};
    return Narrow(std::wstring_view(name, size - 1));
}

// netapi32 is loaded on this first call (cmake/delayload): few runs ask.
bool Win32SystemFacts::JoinedToDomain() {
    LPWSTR name = nullptr;
    NETSETUP_JOIN_STATUS status = NetSetupUnknownStatus;
    if (NetGetJoinInformation(nullptr, &name, &status) != NERR_Success) return false;
    NetApiBufferFree(name);
    return status == NetSetupDomainName;
}

}  // namespace brivex
