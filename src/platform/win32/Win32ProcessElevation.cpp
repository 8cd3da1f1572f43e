#include "platform/win32/Win32ProcessElevation.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/ComApartment.h"
#include "platform/win32/WideText.h"

namespace brivex {

namespace {

bool InAdministratorsGroup() {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0,
                                  0, &administrators))
        return false;
    BOOL member = FALSE;
    if (!CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
    FreeSid(administrators);
    return member != FALSE;
}

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring CurrentFolder() {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(size, L'\0');
    folder.resize(GetCurrentDirectoryW(size, folder.data()));
    return folder;
}

}  // namespace

bool Win32ProcessElevation::Elevated() {
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        TOKEN_ELEVATION elevation{};
        DWORD size = 0;
        // Windows XP does not know the question and fails it: there the
        // administrators hold their rights without asking.
        const BOOL answered = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
        CloseHandle(token);
        if (answered) return elevation.TokenIsElevated != 0;
    }
    return InAdministratorsGroup();
}

std::string Win32ProcessElevation::CommandLine() { return Narrow(GetCommandLineW()); }

bool Win32ProcessElevation::RelaunchElevated(const std::string& arguments) {
    const std::wstring file = ModulePath();
    const std::wstring parameters = Widen(arguments);
    const std::wstring folder = CurrentFolder();
    SHELLEXECUTEINFOW start{};
    start.cbSize = sizeof start;
    // This process ends as soon as the call returns: the start must be complete by then.
    // A downloaded copy's security warning came when the user started it: the relaunch does not show it again.
    start.fMask = SEE_MASK_NOASYNC | SEE_MASK_NOZONECHECKS;
    start.lpVerb = L"runas";
    start.lpFile = file.c_str();
    start.lpParameters = parameters.c_str();
    start.lpDirectory = folder.c_str();
    start.nShow = SW_SHOWNORMAL;
    const ComApartment apartment;  // the shell may hand the start to its extensions
    return ShellExecuteExW(&start) != FALSE;
}

}  // namespace brivex
