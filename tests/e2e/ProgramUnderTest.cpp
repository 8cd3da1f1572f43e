#include "e2e/ProgramUnderTest.h"

#include <shlwapi.h>
#include <tlhelp32.h>

#include <algorithm>

namespace brivex::e2e {

namespace {

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

void AppendKey(HKEY key, std::string& out) {
    // In the order the registry lists them: a value written again keeps its
    // place, so a key put back as it was compares equal.
    wchar_t name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 16384;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        std::string data(size, '\0');
        nameLength = 16384;
        RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        data.resize(size);
        out +=
            Utf16Bytes(std::wstring(name, nameLength), false) + '\x01' + std::to_string(type) + '\x01' + data + '\x02';
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        HKEY sub = nullptr;
        out += '[' + Utf16Bytes(std::wstring(name, nameLength), false) + "]\x03";
        if (RegOpenKeyExW(key, name, 0, KEY_READ, &sub) != ERROR_SUCCESS) continue;
        AppendKey(sub, out);
        RegCloseKey(sub);
        out += "\x04";
    }
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
    CopyFileW((dist + L"\\Brivex Doziv.com").c_str(), Companion().c_str(), FALSE);
    CopyFileW((dist + L"\\bye.wav").c_str(), (folder_ + L"\\bye.wav").c_str(), FALSE);
    CopyFileW((dist + L"\\Lang\\English.lng").c_str(), LangFile(L"English.lng").c_str(), FALSE);
}

void DeleteTree(const std::wstring& folder) {
    std::wstring from = folder;
    from.push_back(L'\0');  // the shell wants a double-terminated list
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&operation);
}

Installation::~Installation() { DeleteTree(folder_); }

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

HWND Program::AnyWindow() { return FindTopLevel(Id(), L"", L"", true); }

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
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

bool IsTopmost(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

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

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    for (HWND child : Children(parent)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (_wcsicmp(name, className) == 0) return child;
    }
    return nullptr;
}

HWND VisibleChildOfClass(HWND parent, const wchar_t* className) {
    for (HWND child : Children(parent)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (_wcsicmp(name, className) == 0 && IsWindowVisible(child)) return child;
    }
    return nullptr;
}

bool Checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::wstring RowText(HWND window, const std::wstring& caption) {
    HWND label = FindChild(window, caption);
    if (!label) return L"<none>";
    RECT labelRect;
    GetWindowRect(label, &labelRect);
    const int middle = (labelRect.top + labelRect.bottom) / 2;
    for (HWND child : Children(window)) {
        if (child == label || !IsWindowVisible(child)) continue;
        RECT r;
        GetWindowRect(child, &r);
        if (r.left >= labelRect.right - 2 && r.left < labelRect.right + 40 && r.top <= middle && middle <= r.bottom)
            return TextOf(child);
    }
    return L"<none>";
}

bool IsCleanText(const std::wstring& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if ((c < 0x20 && c != L'\r' && c != L'\n' && c != L'\t') || c == 0x7F || c == 0xFFFD) return false;
        if (IS_HIGH_SURROGATE(c)) {
            if (i + 1 == text.size() || !IS_LOW_SURROGATE(text[i + 1])) return false;
            ++i;
        } else if (IS_LOW_SURROGATE(c)) {
            return false;
        }
    }
    return true;
}

std::string Printable(const std::wstring& text) {
    if (text.empty()) return {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::vector<std::wstring> GarbledTexts(HWND window) {
    std::vector<std::wstring> garbled;
    if (!IsCleanText(TextOf(window))) garbled.push_back(TextOf(window));
    for (HWND child : Children(window))
        if (const std::wstring text = TextOf(child); !IsCleanText(text)) garbled.push_back(text);
    return garbled;
}

bool KeepsAnswering(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

bool QuitCleanly(Program& program, HWND main, const std::wstring& quitCaption) {
    HWND quit = FindChild(main, quitCaption);
    if (!quit) return false;
    Click(quit);
    return program.WaitForExit(10000) && program.ExitCode() == 0;
}

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool ChooseInList(HWND list, const std::wstring& item) {
    const LRESULT index =
        SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str()));
    if (index == LB_ERR) return false;
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return true;
}

void AnswerMessageBox(const MessageBoxInfo& box, int buttonId) { Click(GetDlgItem(box.window, buttonId)); }

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<closed>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT))
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    CloseClipboard();
    return text;
}

void EmptyTheClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    CloseClipboard();
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
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

MissingKeysMade::MissingKeysMade(HKEY root, std::initializer_list<const wchar_t*> paths) : root_(root) {
    for (const wchar_t* path : paths) {
        if (KeyExists(root, path)) continue;
        HKEY key = nullptr;
        if (RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) continue;
        RegCloseKey(key);
        made_.push_back(path);
    }
}

MissingKeysMade::~MissingKeysMade() {
    for (auto path = made_.rbegin(); path != made_.rend(); ++path) SHDeleteKeyW(root_, *path);
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

std::string Utf16Bytes(const std::wstring& text, bool terminated) {
    std::string bytes(reinterpret_cast<const char*>(text.c_str()),
                      (text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
    return bytes;
}

std::optional<RawValue> ReadRawValue(HKEY root, const wchar_t* path, const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
    RawValue value;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.bytes.assign(size, '\0');
        status = RegQueryValueExW(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(value.bytes.data()), &size);
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return value;
}

void WriteRawValue(HKEY root, const wchar_t* path, const wchar_t* name, const std::optional<RawValue>& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
    if (value)
        RegSetValueExW(key, name, 0, value->type, reinterpret_cast<const BYTE*>(value->bytes.data()),
                       static_cast<DWORD>(value->bytes.size()));
    else RegDeleteValueW(key, name);
    RegCloseKey(key);
}

PlantedValue::PlantedValue(HKEY root, std::wstring path, std::wstring name, const std::optional<RawValue>& value)
    : root_(root),
      path_(std::move(path)),
      name_(std::move(name)),
      before_(ReadRawValue(root_, path_.c_str(), name_.c_str())) {
    WriteRawValue(root_, path_.c_str(), name_.c_str(), value);
}

PlantedValue::~PlantedValue() { WriteRawValue(root_, path_.c_str(), name_.c_str(), before_); }

std::string KeySnapshot(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "<absent>";
    std::string out;
    AppendKey(key, out);
    RegCloseKey(key);
    return out;
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
    BITMAPFILEHEADER header{0x4D42,
                            static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + imageBytes), 0, 0,
                            sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
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
