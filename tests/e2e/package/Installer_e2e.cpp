// The installers as an administrator meets them, the NSIS installer and the
// Windows Installer package alike: a silent install on a machine that has
// never seen the program, the program started from Program Files, and a silent
// uninstall that takes away all of it but what belongs to the user. Then what
// each does on its own: the NSIS installer's pages and its care for a running
// copy, the package's upgrades.

#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <map>
#include <vector>

#include "e2e/ProgramUnderTest.h"
#include "e2e/package/PackageUnderTest.h"
#include "registry/StartWithWindows.h"

namespace brivex::e2e {
namespace {

constexpr wchar_t kUninstallKeys[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr DWORD kInstallerTimeout = 60000;

enum class Package { Nsis, Msi };

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring InstallFolder() { return KnownFolder(CSIDL_PROGRAM_FILES) + L"\\Brivex Doziv"; }
std::wstring InstalledExe() { return InstallFolder() + L"\\Brivex Doziv.exe"; }
std::wstring Uninstaller() { return InstallFolder() + L"\\Uninstall.exe"; }
std::wstring MsiExec() { return KnownFolder(CSIDL_SYSTEM) + L"\\msiexec.exe"; }

// Wine's Windows Installer puts a machine-wide package's shortcuts in the
// user's Programs folder (Windows puts them in the one of all users).
std::wstring Shortcut(Package package) {
    const std::wstring common = KnownFolder(CSIDL_COMMON_PROGRAMS) + L"\\Brivex Doziv.lnk";
    if (package == Package::Nsis || GetFileAttributesW(common.c_str()) != INVALID_FILE_ATTRIBUTES) return common;
    return KnownFolder(CSIDL_PROGRAMS) + L"\\Brivex Doziv.lnk";
}

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

// The keys of the program's entries in Programs and Features.
std::vector<std::wstring> Entries() {
    std::vector<std::wstring> entries;
    HKEY keys = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKeys, 0, KEY_READ, &keys) != ERROR_SUCCESS) return entries;
    wchar_t name[256];
    for (DWORD i = 0, length = 256;
         RegEnumKeyExW(keys, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, length = 256) {
        const std::wstring key = std::wstring(kUninstallKeys) + L"\\" + name;
        if (TextValue(HKEY_LOCAL_MACHINE, key.c_str(), L"DisplayName") == L"Brivex Doziv") entries.push_back(key);
    }
    RegCloseKey(keys);
    return entries;
}

std::optional<std::wstring> EntryText(const wchar_t* name) {
    const std::vector<std::wstring> entries = Entries();
    return entries.size() == 1 ? TextValue(HKEY_LOCAL_MACHINE, entries[0].c_str(), name) : std::nullopt;
}

std::uint64_t FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

// Every file under the folder with the time it was last written.
std::map<std::wstring, std::uint64_t> WriteTimes(const std::wstring& folder) {
    std::map<std::wstring, std::uint64_t> times;
    for (const std::wstring& file : FilesUnder(folder)) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExW((folder + L"\\" + file).c_str(), GetFileExInfoStandard, &data);
        times[file] = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
    }
    return times;
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

DWORD ExitCodeOf(const std::wstring& exe, const std::wstring& arguments) {
    Program program(exe, arguments);
    EXPECT_TRUE(program.WaitForExit(kInstallerTimeout)) << Printable(exe + L" " + arguments);
    return program.ExitCode();
}

DWORD Msi(const wchar_t* action, const std::wstring& package) {
    return ExitCodeOf(MsiExec(), std::wstring(action) + L" \"" + package + L"\" /qn");
}

class PackageTest : public ::testing::Test {
protected:
    // Each test starts from a machine without the program, whatever an earlier one left.
    PackageTest() {
        CoInitialize(nullptr);
        EndLeftoverInstances();
        DeleteTree(InstallFolder());
    }
    ~PackageTest() override { CoUninitialize(); }

    static void Install(Package package) {
        ASSERT_EQ(package == Package::Nsis ? ExitCodeOf(SetupExe(), L"/S") : Msi(L"/i", MsiPackage()), 0u);
        ASSERT_TRUE(FileExists(InstalledExe()));
    }

    // The NSIS uninstaller hands over to a copy of itself in the temporary
    // folder and returns at once: done is when its entry and its own file are gone.
    static void Uninstall(Package package) {
        if (package == Package::Msi) {
            ASSERT_EQ(Msi(L"/x", MsiPackage()), 0u);
            return;
        }
        ExitCodeOf(Uninstaller(), L"/S");
        ASSERT_TRUE(Poll(kInstallerTimeout, [] { return Entries().empty() && !FileExists(Uninstaller()); }))
            << "the uninstaller did not finish";
    }

    static std::vector<std::wstring> ProgramFiles(Package package) {
        std::vector<std::wstring> files = {L"Brivex Doziv.exe", L"Brivex Doziv.com", L"bye.wav"};
        if (package == Package::Nsis) files.push_back(L"Uninstall.exe");
        for (const std::wstring& language : ShippedLanguageFiles()) files.push_back(L"Lang\\" + language);
        std::sort(files.begin(), files.end());
        return files;
    }
};

class Installers : public PackageTest, public ::testing::WithParamInterface<Package> {};

TEST_P(Installers, InstallForEveryUserStartFromProgramFilesAndUninstallAllButTheSettings) {
    const Package package = GetParam();
    Install(package);
    EXPECT_EQ(FilesUnder(InstallFolder()), ProgramFiles(package));
    EXPECT_EQ(ShortcutTarget(Shortcut(package)), InstalledExe());

    ASSERT_EQ(Entries().size(), 1u);
    EXPECT_EQ(EntryText(L"DisplayVersion"), VersionText(InstalledExe(), L"ProductVersion"));
    EXPECT_EQ(EntryText(L"DisplayVersion"), Version());
    EXPECT_EQ(PackageName(), L"BrivexDoziv-" + Version() + L"-x64") << "the packages are named after the version";
    EXPECT_EQ(EntryText(L"Publisher"), VersionText(InstalledExe(), L"CompanyName"));
    EXPECT_EQ(EntryText(L"DisplayIcon"), L"\"" + InstalledExe() + L"\"");
    if (package == Package::Nsis) {
        EXPECT_EQ(EntryText(L"UninstallString"), L"\"" + Uninstaller() + L"\"");
        EXPECT_GE(DwordValue(HKEY_LOCAL_MACHINE, Entries()[0].c_str(), L"EstimatedSize").value_or(0),
                  FileSize(InstalledExe()) / 1024)
            << "in kilobytes";
        EXPECT_TRUE(IconPictures(Uninstaller()) == IconPictures(InstalledExe()))
            << "the uninstaller shows the program's icon";
    }

    ExpectStartsToMainWindow(InstalledExe());
    // What the program added to its folder is the program's too.
    const std::vector<std::wstring> installed = FilesUnder(InstallFolder());
    ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "the program keeps its settings";
    const std::wstring folder = InstallFolder();
    WriteRunValue(Widen(RunValueData(std::string(folder.begin(), folder.end()))));

    Uninstall(package);
    for (const std::wstring& file : installed)
        EXPECT_FALSE(FileExists(InstallFolder() + L"\\" + file)) << Printable(file);
    EXPECT_FALSE(FolderExists(InstallFolder()));
    EXPECT_FALSE(FileExists(Shortcut(package)));
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, Widen(kRunKey).c_str(), Widen(kRunValueName).c_str()), std::nullopt);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
}

TEST_P(Installers, UninstallKeepsALanguageFileTheUserAdded) {
    Install(GetParam());
    const std::string german = "[FrmHome]\r\nCommand2=Beenden\r\n";
    WriteFileBytes(InstallFolder() + L"\\Lang\\Deutsch.lng", german);

    Uninstall(GetParam());
    EXPECT_EQ(FilesUnder(InstallFolder()), std::vector<std::wstring>{L"Lang\\Deutsch.lng"});
    EXPECT_EQ(ReadFileBytes(InstallFolder() + L"\\Lang\\Deutsch.lng"), german);
    DeleteTree(InstallFolder());
}

INSTANTIATE_TEST_SUITE_P(Packages, Installers, ::testing::Values(Package::Nsis, Package::Msi),
                         [](const auto& info) { return info.param == Package::Nsis ? "Nsis" : "Msi"; });

using NsisInstaller = PackageTest;

TEST_F(NsisInstaller, OpensOnAWelcomePageThatNamesWhatItInstallsUnderThePlainTitle) {
    Program setup(SetupExe());
    const std::wstring title = L"Brivex Doziv " + Version() + L" Setup";
    HWND wizard = nullptr;
    Poll(kInstallerTimeout, [&] { return (wizard = FindWindowW(L"#32770", title.c_str())) != nullptr; });
    ASSERT_NE(wizard, nullptr) << "no window titled \"" << Printable(title) << "\"";
    // Each page sets the window's title as it opens.
    const auto shows = [&](const std::wstring& text) {
        return Poll(10000, [&] { return FindChild(wizard, text) != nullptr && TextOf(wizard) == title; });
    };
    EXPECT_TRUE(shows(L"Welcome to " + title)) << "the welcome page first";
    Click(FindChild(wizard, L"&Next >"));
    EXPECT_TRUE(shows(L"Destination Folder")) << "then the folder page";
}

TEST_F(NsisInstaller, ARunningCopyEndsSilentInstallAndUninstallWithExitCodeTwoAndChangesNothing) {
    Install(Package::Nsis);
    Program running(InstalledExe());
    HWND main = WaitForMainWindow(running);
    ASSERT_NE(main, nullptr);
    const auto before = WriteTimes(InstallFolder());

    EXPECT_EQ(ExitCodeOf(SetupExe(), L"/S"), 2u);
    // Told the folder, the uninstaller runs where it is and its exit code is its own.
    EXPECT_EQ(ExitCodeOf(Uninstaller(), L"/S _?=" + InstallFolder()), 2u);
    EXPECT_EQ(WriteTimes(InstallFolder()), before);
    EXPECT_EQ(Entries().size(), 1u);

    EXPECT_TRUE(QuitCleanly(running, main));
    Uninstall(Package::Nsis);
}

using WindowsInstaller = PackageTest;

TEST_F(WindowsInstaller, TheSameVersionAgainOrALaterOneLeavesOneEntry) {
    Install(Package::Msi);
    EXPECT_EQ(Msi(L"/i", MsiPackage()), 0u);
    EXPECT_EQ(Entries().size(), 1u);

    EXPECT_EQ(Msi(L"/i", LaterMsiPackage()), 0u);
    EXPECT_EQ(Entries().size(), 1u);
    EXPECT_EQ(EntryText(L"DisplayVersion"), LaterVersion());
    EXPECT_EQ(FilesUnder(InstallFolder()), ProgramFiles(Package::Msi));

    EXPECT_EQ(Msi(L"/x", LaterMsiPackage()), 0u);
    EXPECT_TRUE(Entries().empty());
    EXPECT_FALSE(FolderExists(InstallFolder()));
}

}  // namespace
}  // namespace brivex::e2e
