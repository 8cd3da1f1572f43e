#pragma once
// Works the real "Brivex Doziv.exe" from outside, as a user and a screen reader
// would: windows found by caption, buttons clicked by message, texts read back.

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace brivex::e2e {

// A copy of the program as users get it (the exe, its console companion,
// bye.wav, Lang\ with the shipped languages) in a folder of its own, so each
// test starts clean.
class Installation {
public:
    Installation();
    ~Installation();
    const std::wstring& Folder() const { return folder_; }
    std::wstring Exe() const { return folder_ + L"\\Brivex Doziv.exe"; }
    std::wstring Companion() const { return folder_ + L"\\Brivex Doziv.com"; }
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
    // A visible top-level window of this process, whatever it is, or null.
    HWND AnyWindow();
    std::optional<MessageBoxInfo> WaitForMessageBox(DWORD timeoutMs);
    std::optional<MessageBoxInfo> CurrentMessageBox();

private:
    PROCESS_INFORMATION process_{};
};

// Ends any copy of the program a failed or interrupted test left running, so
// the next test does not meet the second-instance refusal.
void EndLeftoverInstances();

// The settings window's six option boxes: the caption in French and once
// English is chosen, and the entry each is stored in.
struct SettingsOption {
    const wchar_t* caption;
    const wchar_t* english;
    const wchar_t* entry;
};
inline constexpr SettingsOption kSettingsOptions[] = {
    {L"Nettoyer le presse papier", L"Clean the clipboard", L"Press"},
    {L"Nettoyer les documents r\u00e9cents", L"Clean the recent documents", L"Doc"},
    {L"D\u00e9marrer Velmora avec Windows", L"Start Velmora with Windows", L"Winstart"},
    {L"Mettre Velmora au premier plan", L"Keep Velmora on top", L"ontop"},
    {L"Avant chaque optimisation automatique", L"Before each automatic optimisation", L"optistart"},
    {L"Avant chaque optimisation Brivex Tweak", L"Before each Brivex Tweak optimisation", L"optitweak"},
};

// Removes a folder with all it holds.
void DeleteTree(const std::wstring& folder);

// The program's settings, as its settings store keeps them for the user.
inline constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Brivex Doziv";
void ClearSettings();
void SaveSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value);
std::wstring ReadSetting(const std::wstring& section, const std::wstring& key);

// A path of the build machine as Wine's Z: drive shows it.
std::wstring UnixToWindows(const char* unixPath);

std::wstring TextOf(HWND window);
bool IsTopmost(HWND window);
// The child window whose text is `caption`, or null.
HWND FindChild(HWND parent, const std::wstring& caption);
std::vector<HWND> Children(HWND parent);
// The first child window of that class, or null.
HWND ChildOfClass(HWND parent, const wchar_t* className);
// The same among the visible children only: a form may hold hidden controls of the class.
HWND VisibleChildOfClass(HWND parent, const wchar_t* className);
bool Checked(HWND box);
// The text of the control right of a caption label, on its line: a row's value.
std::wstring RowText(HWND window, const std::wstring& caption);
// True when the text holds nothing a screen could show as garbage: no control
// character but line breaks and tabs, no replacement character, no broken
// surrogate pair.
bool IsCleanText(const std::wstring& text);
// UTF-8, for test messages.
std::string Printable(const std::wstring& text);
// The texts of the window and its children that are not clean.
std::vector<std::wstring> GarbledTexts(HWND window);
// True when the window's thread takes a message within two seconds.
bool KeepsAnswering(HWND window);
void Click(HWND button);
// Chooses an item as a click in the list would: selected, then the list tells its window.
bool ChooseInList(HWND list, const std::wstring& item);
void AnswerMessageBox(const MessageBoxInfo& box, int buttonId);
// Quits through the main window's button: true when the program then ended by
// itself with status 0.
bool QuitCleanly(Program& program, HWND main, const std::wstring& quitCaption = L"Quitter");

std::wstring ClipboardText();
void EmptyTheClipboard();

std::string ReadFileBytes(const std::wstring& path);

// The registry as the program left it.
bool KeyExists(HKEY root, const wchar_t* path);

// The keys of `paths` a fresh prefix lacks, made for a test and removed with it.
class MissingKeysMade {
public:
    MissingKeysMade(HKEY root, std::initializer_list<const wchar_t*> paths);
    ~MissingKeysMade();
    MissingKeysMade(const MissingKeysMade&) = delete;
    MissingKeysMade& operator=(const MissingKeysMade&) = delete;

private:
    HKEY root_;
    std::vector<const wchar_t*> made_;
};
std::optional<std::wstring> TextValue(HKEY root, const wchar_t* path, const wchar_t* name);
std::optional<DWORD> DwordValue(HKEY root, const wchar_t* path, const wchar_t* name);

// A value as the registry holds it, whatever its type.
struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
    friend bool operator==(const RawValue&, const RawValue&) = default;
};
// The bytes of a UTF-16 text, with its terminator or without.
std::string Utf16Bytes(const std::wstring& text, bool terminated = true);
std::optional<RawValue> ReadRawValue(HKEY root, const wchar_t* path, const wchar_t* name);
// Creates the key when missing; nothing deletes the value.
void WriteRawValue(HKEY root, const wchar_t* path, const wchar_t* name, const std::optional<RawValue>& value);

// A value set for a test and put back as it was, or deleted, when it ends.
class PlantedValue {
public:
    PlantedValue(HKEY root, std::wstring path, std::wstring name, const std::optional<RawValue>& value);
    ~PlantedValue();
    PlantedValue(const PlantedValue&) = delete;
    PlantedValue& operator=(const PlantedValue&) = delete;

private:
    HKEY root_;
    std::wstring path_;
    std::wstring name_;
    std::optional<RawValue> before_;
};

// Every value (name, type, bytes) and subkey under a key, in one text, to
// compare a key byte for byte before and after a run.
std::string KeySnapshot(HKEY root, const std::wstring& path);

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
