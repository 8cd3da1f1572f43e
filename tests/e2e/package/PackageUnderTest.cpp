#include "e2e/package/PackageUnderTest.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {

namespace {

// The first program of a new prefix waits for Wine to set the prefix up.
constexpr DWORD kWindowTimeout = 60000;

std::wstring Widen(const char* text) {
    std::wstring wide;
    for (const char* p = text; *p; ++p) wide += static_cast<wchar_t>(*p);
    return wide;
}

void CollectFiles(const std::wstring& root, const std::wstring& relative, std::vector<std::wstring>& files) {
    const std::wstring folder = relative.empty() ? root : root + L"\\" + relative;
    for (const std::wstring& name : EntriesOf(folder)) {
        const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
        if (FolderExists(root + L"\\" + path)) CollectFiles(root, path, files);
        else files.push_back(path);
    }
}

}  // namespace

std::wstring PackageName() { return Widen(BRIVEX_PACKAGE_NAME); }

std::wstring Version() { return Widen(BRIVEX_VERSION); }

std::wstring LaterVersion() { return Widen(BRIVEX_LATER_VERSION); }

std::wstring SetupExe() { return UnixToWindows(BRIVEX_PACKAGE_DIR_UNIX) + L"\\" + PackageName() + L"-setup.exe"; }

std::wstring MsiPackage() { return UnixToWindows(BRIVEX_PACKAGE_DIR_UNIX) + L"\\" + PackageName() + L".msi"; }

std::wstring LaterMsiPackage() { return UnixToWindows(BRIVEX_LATER_MSI_UNIX); }

std::wstring UnpackedZip() { return UnixToWindows(BRIVEX_UNPACKED_ZIP_UNIX); }

std::vector<std::wstring> ShippedLanguageFiles() {
    std::vector<std::wstring> names;
    const std::wstring list = Widen(BRIVEX_SHIPPED_LANGUAGES);
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find(L'|', start), list.size());
        names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::wstring> EntriesOf(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::wstring> FilesUnder(const std::wstring& folder) {
    std::vector<std::wstring> files;
    CollectFiles(folder, L"", files);
    std::sort(files.begin(), files.end());
    return files;
}

std::map<int, std::string> IconPictures(const std::wstring& exe) {
    std::map<int, std::string> pictures;
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return pictures;
    const auto bytes = [module](LPCWSTR name, LPCWSTR type) {
        HRSRC found = FindResourceW(module, name, type);
        const auto* data = found ? static_cast<const char*>(LockResource(LoadResource(module, found))) : nullptr;
        return data ? std::string(data, SizeofResource(module, found)) : std::string();
    };
    LPWSTR first = nullptr;
    EnumResourceNamesW(
        module, RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
            *reinterpret_cast<LPWSTR*>(found) = name;
            return FALSE;
        },
        reinterpret_cast<LONG_PTR>(&first));
    // The group: a 6-byte header, then 14 bytes an entry: width (0 for 256) first, the picture's id last.
    const std::string group = first ? bytes(first, RT_GROUP_ICON) : std::string();
    for (std::size_t at = 6; at + 14 <= group.size(); at += 14) {
        const int width = static_cast<unsigned char>(group[at]);
        const WORD id = static_cast<WORD>(static_cast<unsigned char>(group[at + 12]) |
                                          static_cast<unsigned char>(group[at + 13]) << 8);
        pictures[width ? width : 256] = bytes(MAKEINTRESOURCEW(id), RT_ICON);
    }
    FreeLibrary(module);
    return pictures;
}

HWND WaitForMainWindow(Program& program) {
    HWND main = nullptr;
    Poll(kWindowTimeout, [&] {
        if (auto notice = program.CurrentMessageBox()) {
            AnswerMessageBox(*notice, IDOK);
            Sleep(200);
        }
        main = program.WaitForWindow(L"Velmora Xp", 0);
        return main != nullptr || !program.Running();
    });
    return main;
}

void ExpectStartsToMainWindow(const std::wstring& exe) {
    EndLeftoverInstances();
    Program program(exe);
    HWND main = WaitForMainWindow(program);
    ASSERT_NE(main, nullptr) << "no main window from " << std::string(exe.begin(), exe.end());
    HWND quit = FindChild(main, L"Quitter");
    ASSERT_NE(quit, nullptr);
    Click(quit);
    EXPECT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace brivex::e2e
