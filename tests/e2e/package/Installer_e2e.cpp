// The installer as an administrator meets it: a silent install on a machine
// that has never seen the program, the program started from Program Files, and
// a silent uninstall that takes away all of it but what belongs to the user.

#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <vector>

#include "e2e/ProgramUnderTest.h"
#include "e2e/package/PackageUnderTest.h"
#include "registry/StartWithWindows.h"

namespace brivex::e2e {
namespace {

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brivex Doziv";
constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Brivex Doziv";
constexpr DWORD kInstallerTimeout = 60000;

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring InstallFolder() { return KnownFolder(CSIDL_PROGRAM_FILES) + L"\\Brivex Doziv"; }
std::wstring InstalledExe() { return InstallFolder() + L"\\Brivex Doziv.exe"; }
std::wstring Uninstaller() { return InstallFolder() + L"\\Uninstall.exe"; }
std::wstring Shortcut() { return KnownFolder(CSIDL_COMMON_PROGRAMS) + L"\\Brivex Doziv.lnk"; }

std::wstring ShortcutTarget(const std::wstring& shortcut) {
    wchar_t target[MAX_PATH] = {};
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return L"<no shell link>";
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ))) link->GetPath(target, MAX_PATH, nullptr, 0);
        file->Release();
    }
    link->Release();
    return target;
}

// A text of the version resource, in the resource's own language.
std::wstring VersionText(const std::wstring& exe, const std::wstring& name) {
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    if (block.empty() || !GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        return L"<no version resource>";
    WORD* translation = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
        size < 2 * sizeof(WORD))
        return L"<no translation>";
    wchar_t path[64] = {};
    swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1], name.c_str());
    wchar_t* text = nullptr;
    if (!VerQueryValueW(block.data(), path, reinterpret_cast<void**>(&text), &size)) return L"<absent>";
    return text;
}

std::uint64_t FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

void WriteRunValue(const std::wstring& data) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, Widen(kRunKey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, Widen(kRunValueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

class Installer : public ::testing::Test {
protected:
    // Each test starts from a machine without the program, whatever an earlier one left.
    Installer() {
        CoInitialize(nullptr);
        EndLeftoverInstances();
        DeleteTree(InstallFolder());
    }
    ~Installer() override { CoUninitialize(); }

    static void InstallSilently() {
        Program setup(SetupExe(), L"/S");
        ASSERT_TRUE(setup.WaitForExit(kInstallerTimeout));
        ASSERT_EQ(setup.ExitCode(), 0u);
        ASSERT_TRUE(FileExists(InstalledExe()));
    }

    // The uninstaller hands over to a copy of itself in the temporary folder
    // and returns at once: done is when its entry and its own file are gone.
    static void UninstallSilently() {
        Program uninstaller(Uninstaller(), L"/S");
        ASSERT_TRUE(uninstaller.WaitForExit(kInstallerTimeout));
        ASSERT_TRUE(Poll(kInstallerTimeout, [] {
            return !KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey) && !FileExists(Uninstaller());
        })) << "the uninstaller did not finish";
    }
};

TEST_F(Installer, InstallsForEveryUserStartsFromProgramFilesAndUninstallsAllButTheSettings) {
    InstallSilently();
    std::vector<std::wstring> expected = {L"Brivex Doziv.exe", L"Uninstall.exe", L"bye.wav"};
    for (const std::wstring& language : ShippedLanguageFiles()) expected.push_back(L"Lang\\" + language);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesUnder(InstallFolder()), expected);
    EXPECT_EQ(ShortcutTarget(Shortcut()), InstalledExe());

    const auto version = TextValue(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayVersion");
    ASSERT_TRUE(version);
    EXPECT_EQ(*version, VersionText(InstalledExe(), L"ProductVersion"));
    EXPECT_EQ(PackageName(), L"BrivexDoziv-" + *version + L"-x64") << "the packages are named after the version";
    EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayName"), L"Brivex Doziv");
    EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, kUninstallKey, L"Publisher"), VersionText(InstalledExe(), L"CompanyName"));
    EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, kUninstallKey, L"UninstallString"), L"\"" + Uninstaller() + L"\"");
    EXPECT_GE(DwordValue(HKEY_LOCAL_MACHINE, kUninstallKey, L"EstimatedSize").value_or(0),
              FileSize(InstalledExe()) / 1024)
        << "in kilobytes";

    ExpectStartsToMainWindow(InstalledExe());
    // What the program added to its folder is the program's too.
    const std::vector<std::wstring> installed = FilesUnder(InstallFolder());
    ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "the program keeps its settings";
    const std::wstring folder = InstallFolder();
    WriteRunValue(Widen(RunValueData(std::string(folder.begin(), folder.end()))));

    UninstallSilently();
    for (const std::wstring& file : installed) EXPECT_FALSE(FileExists(InstallFolder() + L"\\" + file)) << file.c_str();
    EXPECT_FALSE(FolderExists(InstallFolder()));
    EXPECT_FALSE(FileExists(Shortcut()));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, Widen(kRunKey).c_str(), Widen(kRunValueName).c_str()), std::nullopt);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
}

TEST_F(Installer, UninstallKeepsALanguageFileTheUserAdded) {
    InstallSilently();
    const std::string german = "[FrmHome]\r\nCommand2=Beenden\r\n";
    WriteFileBytes(InstallFolder() + L"\\Lang\\Deutsch.lng", german);

    UninstallSilently();
    EXPECT_EQ(FilesUnder(InstallFolder()), std::vector<std::wstring>{L"Lang\\Deutsch.lng"});
    EXPECT_EQ(ReadFileBytes(InstallFolder() + L"\\Lang\\Deutsch.lng"), german);
    DeleteTree(InstallFolder());
}

}  // namespace
}  // namespace brivex::e2e
