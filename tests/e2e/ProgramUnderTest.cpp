#include "e2e/ProgramUnderTest.h"

#include <shlwapi.h>
#include <tlhelp32.h>


namespace brivex::e2e {

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Brivex Doziv";

struct TopLevelSearch {
    DWORD process;
    std::wstring className;
    std::wstring caption;
    bool anyCaption;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<TopLevelSearch*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window)) return TRUE;
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (!search->className.empty() && search->className != className) return TRUE;
    if (!search->anyCaption && TextOf(window) != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindTopLevel(DWORD process, const std::wstring& className, const std::wstring& caption, bool anyCaption) {
    TopLevelSearch search{process, className, caption, anyCaption, nullptr};
    EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

std::wstring UnixToWindows(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* p = unixPath; *p; ++p) path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
    return path;
}

Installation::Installation() {
    static int counter = 0;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"Brivex Doziv e2e " + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(++counter);
    CreateDirectoryW(folder_.c_str(), nullptr);
    CreateDirectoryW((folder_ + L"\\Lang").c_str(), nullptr);
    const std::wstring dist = UnixToWindows(BRIVEX_DIST_UNIX);
    CopyFileW((dist + L"\\Brivex Doziv.exe").c_str(), Exe().c_str(), FALSE);
    CopyFileW((dist + L"\\bye.wav").c_str(), (folder_ + L"\\bye.wav").c_str(), FALSE);
    CopyFileW((dist + L"\\Lang\\English.lng").c_str(), LangFile(L"English.lng").c_str(), FALSE);
}

Installation::~Installation() {
    std::wstring from = folder_;
    from.push_back(L'\0');  // the shell wants a double-terminated list
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&operation);
}

Program::Program(const std::wstring& exe, const std::wstring& arguments) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
    CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                   &process_);
}

Program::~Program() {
    if (!process_.hProcess) return;
    if (Running()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
}

bool Program::WaitForExit(DWORD timeoutMs) {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool Program::Running() { return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD Program::ExitCode() {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

HWND Program::WaitForWindow(const std::wstring& caption, DWORD timeoutMs) {
    HWND found = nullptr;
    Poll(timeoutMs, [&] {
        found = FindTopLevel(Id(), L"BrivexDozivForm", caption, false);
        return found != nullptr || !Running();
    });
    return found;
}

std::optional<MessageBoxInfo> Program::CurrentMessageBox() {
    HWND box = FindTopLevel(Id(), L"#32770", L"", true);
    if (!box) return std::nullopt;
    return MessageBoxInfo{box, TextOf(box), TextOf(GetDlgItem(box, 0xFFFF))};
}

std::optional<MessageBoxInfo> Program::WaitForMessageBox(DWORD timeoutMs) {
    std::optional<MessageBoxInfo> box;
    Poll(timeoutMs, [&] {
        box = CurrentMessageBox();
        return box.has_value() || !Running();
    });
    return box;
}

void EndLeftoverInstances() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, L"Brivex Doziv.exe") != 0) continue;
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
            TerminateProcess(process, 98);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
}

void ClearSettings() { SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey); }

void SaveSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    HKEY handle = nullptr;
    const std::wstring path = std::wstring(kSettingsKey) + L"\\" + section;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr))
        return;
    RegSetValueExW(handle, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

std::wstring ReadSetting(const std::wstring& section, const std::wstring& key) {
    wchar_t value[512] = {};
    DWORD size = sizeof value;
    const std::wstring path = std::wstring(kSettingsKey) + L"\\" + section;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, value, &size))
        return L"<absent>";
    return value;
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindChild(HWND parent, const std::wstring& caption) {
    for (HWND child : Children(parent))
        if (TextOf(child) == caption) return child;
    return nullptr;
}

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void AnswerMessageBox(const MessageBoxInfo& box, int buttonId) { Click(GetDlgItem(box.window, buttonId)); }

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

bool KeyExists(HKEY root, const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::optional<std::wstring> TextValue(HKEY root, const wchar_t* path, const wchar_t* name) {
    wchar_t value[512] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(root, path, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return std::nullopt;
    return value;
}

std::optional<DWORD> DwordValue(HKEY root, const wchar_t* path, const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(root, path, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) return std::nullopt;
    return value;
}

void SaveScreenshot(const std::wstring& name) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);

    const DWORD rowBytes = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + imageBytes),
                            0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    const std::wstring path = UnixToWindows(BRIVEX_BUILD_UNIX) + L"\\" + name + L".bmp";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, &header, sizeof header, &written, nullptr);
        WriteFile(file, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
        WriteFile(file, bits, imageBytes, &written, nullptr);
        CloseHandle(file);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace brivex::e2e
