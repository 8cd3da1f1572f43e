// The undo file is only worth something if the registry editor takes it: a
// file saved before a run, imported after it, puts back every value as it was.

#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <optional>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32AnsiCodec.h"
#include "platform/win32/Win32RegistryApi.h"
#include "platform/win32/Win32UserFiles.h"
#include "registry/UndoFile.h"

namespace brivex::testing {
namespace {

struct WideValue {
    DWORD type = 0;
    std::wstring bytes;  // the raw bytes, two to a character
    bool operator==(const WideValue&) const = default;
};

WideValue Wide(DWORD type, std::wstring_view characters) { return {type, std::wstring(characters)}; }

class UndoFileImport : public ::testing::Test {
protected:
    UndoFileImport() {
        key_ = L"Software\\Brivex Doziv Tests\\Undo " + std::to_wstring(GetCurrentProcessId());
        RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle_, nullptr);
    }
    ~UndoFileImport() override {
        RegCloseKey(handle_);
        SHDeleteKeyW(HKEY_CURRENT_USER, key_.c_str());
        if (!saved_.empty()) DeleteFileW(Widen(saved_).c_str());
    }

    void Put(HKEY key, const wchar_t* name, const WideValue& value) {
        RegSetValueExW(key, name, 0, value.type, reinterpret_cast<const BYTE*>(value.bytes.data()),
                       static_cast<DWORD>(value.bytes.size() * 2));
    }
    std::optional<WideValue> Get(const std::wstring& sub, const wchar_t* name) {
        const std::wstring path = sub.empty() ? key_ : key_ + L"\\" + sub;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
        DWORD type = 0;
        DWORD size = 0;
        std::optional<WideValue> value;
        if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            std::wstring bytes((size + 1) / 2, L'\0');
            RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
            bytes.resize(size / 2);
            value = WideValue{type, bytes};
        }
        RegCloseKey(key);
        return value;
    }
    bool Import(const std::string& file) {
        std::wstring command = L"regedit.exe /s \"" + Widen(file) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return false;
        const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return ended;
    }
    std::string Key() const { return Narrow(key_); }

    std::wstring key_;
    HKEY handle_ = nullptr;
    std::string saved_;
};

TEST_F(UndoFileImport, TheRegistryEditorPutsBackEveryValueAndKey) {
    const std::pair<const wchar_t*, WideValue> values[] = {
        {L"Timeout", Wide(REG_SZ, std::wstring_view(L"5000", 5))},
        {L"Langue", Wide(REG_SZ, std::wstring_view(L"Fran\x00E7"
                                                   L"ais \"x\" C:\\d",
                                                   18))},
        {L"", Wide(REG_SZ, std::wstring_view(L"par d\x00E9"
                                             L"faut",
                                             11))},
        {L"Start", Wide(REG_DWORD, std::wstring_view(L"\x0002\x0000", 2))},
        {L"Bytes", Wide(REG_BINARY, std::wstring_view(L"\xFE01\x0203", 2))},
        {L"Lines", Wide(REG_MULTI_SZ, std::wstring_view(L"a\0b\0", 5))},
        {L"Path", Wide(REG_EXPAND_SZ, std::wstring_view(L"%TEMP%\\x", 9))},
        {L"Na\"me\\", Wide(REG_SZ, std::wstring_view(L"q", 2))},
    };
    for (const auto& [name, value] : values) Put(handle_, name, value);
    HKEY leaf = nullptr;
    RegCreateKeyExW(handle_, L"Leaf", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &leaf, nullptr);
    Put(leaf, L"Kept", Wide(REG_DWORD, std::wstring_view(L"\x0007\x0000", 2)));
    RegCloseKey(leaf);

    Win32RegistryApi api;
    Win32AnsiCodec ansi;
    UndoFile undo(api, ansi);
    for (const auto& [name, value] : values) undo.RecordValue(regroot::CurrentUser, Key(), Narrow(name));
    undo.RecordValue(regroot::CurrentUser, Key(), "Absent");
    undo.RecordKeyRemoval(regroot::CurrentUser, Key() + "\\Leaf");
    // A note, however it reads, is a comment the editor passes over.
    undo.Note("Non modifi\xC3\xA9 :\r\n[HKEY_CURRENT_USER\\" + Key() + "\\Noted]\r\n\"Start\"=dword:00000004");
    Win32UserFiles files;
    saved_ = undo.Save(files, LocalTime{2001, 2, 3, 4, 5, 6});
    ASSERT_NE(saved_, "") << undo.Text();

    // The run: every value changed, one made, the leaf key removed.
    for (const auto& [name, value] : values) Put(handle_, name, Wide(REG_DWORD, std::wstring_view(L"\x0009\x0000", 2)));
    Put(handle_, L"Absent", Wide(REG_SZ, std::wstring_view(L"new", 4)));
    ASSERT_EQ(RegDeleteKeyW(handle_, L"Leaf"), ERROR_SUCCESS);

    ASSERT_TRUE(Import(saved_));
    for (const auto& [name, value] : values) EXPECT_EQ(Get(L"", name), value) << Narrow(name) << "\n" << undo.Text();
    EXPECT_FALSE(Get(L"", L"Absent"));
    EXPECT_EQ(Get(L"Leaf", L"Kept"), Wide(REG_DWORD, std::wstring_view(L"\x0007\x0000", 2)));
    EXPECT_FALSE(Get(L"Noted", L"Start")) << undo.Text();
}

}  // namespace
}  // namespace brivex::testing
