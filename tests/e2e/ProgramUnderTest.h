#pragma once
// Works the real "Brivex Doziv.exe" from outside, as a user and a screen reader
// would: windows found by caption, buttons clicked by message, texts read back.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace brivex::e2e {

// A copy of the program as users get it (the exe, bye.wav, Lang\ with the
// shipped languages) in a folder of its own, so each test starts clean.
class Installation {
public:
    Installation();
    ~Installation();
    const std::wstring& Folder() const { return folder_; }
    std::wstring Exe() const { return folder_ + L"\\Brivex Doziv.exe"; }
    std::wstring LangFile(const std::wstring& name) const { return folder_ + L"\\Lang\\" + name; }

private:
    std::wstring folder_;
};

struct MessageBoxInfo {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
};

class Program {
public:
    // `arguments` follow the quoted path on the command line.
    explicit Program(const std::wstring& exe, const std::wstring& arguments = L"");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return process_.dwProcessId; }
    bool WaitForExit(DWORD timeoutMs);
    bool Running();
    DWORD ExitCode();

    // The visible top-level window of this process with that caption.
    HWND WaitForWindow(const std::wstring& caption, DWORD timeoutMs);
    std::optional<MessageBoxInfo> WaitForMessageBox(DWORD timeoutMs);
    std::optional<MessageBoxInfo> CurrentMessageBox();

private:
    PROCESS_INFORMATION process_{};
};

// Ends any copy of the program a failed or interrupted test left running, so
// the next test does not meet the second-instance refusal.
void EndLeftoverInstances();

// The program's settings, as its settings store keeps them for the user.
void ClearSettings();
void SaveSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value);
std::wstring ReadSetting(const std::wstring& section, const std::wstring& key);

// A path of the build machine as Wine's Z: drive shows it.
std::wstring UnixToWindows(const char* unixPath);

std::wstring TextOf(HWND window);
// The child window whose text is `caption`, or null.
HWND FindChild(HWND parent, const std::wstring& caption);
std::vector<HWND> Children(HWND parent);
void Click(HWND button);
void AnswerMessageBox(const MessageBoxInfo& box, int buttonId);

std::string ReadFileBytes(const std::wstring& path);

// The registry as the program left it.
bool KeyExists(HKEY root, const wchar_t* path);
std::optional<std::wstring> TextValue(HKEY root, const wchar_t* path, const wchar_t* name);
std::optional<DWORD> DwordValue(HKEY root, const wchar_t* path, const wchar_t* name);

template <typename Predicate>
bool Poll(DWORD timeoutMs, Predicate done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}
// A picture of the screen into the build tree, for a check that failed.
void SaveScreenshot(const std::wstring& name);

}  // namespace brivex::e2e
