#include "platform/win32/Win32Drives.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include <algorithm>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32FileFinder.h"
#include "platform/win32/Win32Shell.h"

namespace brivex {
namespace {

TEST(Win32Drives_Facts, TheSystemDriveIsAFixedDriveWithSizes) {
    Win32Drives drives;
    const std::vector<std::string> list = drives.DriveList();
    ASSERT_TRUE(std::any_of(list.begin(), list.end(), [](const std::string& d) { return d.rfind("c:", 0) == 0; }));
    const DriveFacts c = drives.Facts('C');
    EXPECT_EQ(c.driveType, 3);
    EXPECT_GT(c.totalSpace, 0.0);
    EXPECT_LE(c.freeSpace, c.totalSpace);
    EXPECT_FALSE(c.fileSystem.empty());
    EXPECT_EQ(c.serialNumber.size(), 9u);
    EXPECT_EQ(c.serialNumber[4], '-');
}

TEST(Win32Drives_Facts, AMissingDriveHasNoFacts) {
    Win32Drives drives;
    const DWORD mask = GetLogicalDrives();
    char missing = 0;
    for (char letter = 'q'; letter <= 'x' && !missing; ++letter)
        if (!(mask & (1u << (letter - 'a')))) missing = letter;
    ASSERT_NE(missing, 0);
    const DriveFacts facts = drives.Facts(missing);
    EXPECT_EQ(facts.driveType, 1) << "no root directory";
    EXPECT_EQ(facts.totalSpace, 0.0);
    EXPECT_EQ(facts.volumeName, "");
}

TEST(Win32Drives_RemoteName, TheUsersRememberedMappingAndNothingForAnUnmappedLetter) {
    const std::wstring share = L"\\\\serveur\\partag\u00e9";
    ASSERT_EQ(SHSetValueW(HKEY_CURRENT_USER, L"Network\\Q", L"RemotePath", REG_SZ, share.c_str(),
                          static_cast<DWORD>((share.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    Win32Drives drives;
    EXPECT_EQ(drives.RemoteName('q'), "\\\\serveur\\partag\u00e9");
    EXPECT_EQ(drives.RemoteName('R'), "");
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Network\\Q");
}

TEST(Win32FileFinder_FindFiles, NamesOfMatchingFilesOnly) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"brivex find " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\sub.lng").c_str(), nullptr);
    for (const wchar_t* name : {L"\\English.lng", L"\\Fran\u00e7ais.lng", L"\\notes.txt"}) {
        HANDLE file = CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
    }
    Win32FileFinder finder;
    std::vector<std::string> found = finder.FindFiles(Narrow(folder) + "\\*.lng");
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"English.lng", "Français.lng"}));
    EXPECT_TRUE(finder.FindFiles(Narrow(folder) + "\\missing\\*.lng").empty());
    for (const wchar_t* name : {L"\\English.lng", L"\\Fran\u00e7ais.lng", L"\\notes.txt"})
        DeleteFileW((folder + name).c_str());
    RemoveDirectoryW((folder + L"\\sub.lng").c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST(Win32Shell_DeleteFiles, AFileInUseDoesNotStopTheOthers) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"brivex prefetch " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const wchar_t* names[] = {L"\\A.pf", L"\\B.pf", L"\\C.pf", L"\\keep.txt"};
    for (const wchar_t* name : names)
        CloseHandle(CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    HANDLE inUse = CreateFileW((folder + L"\\B.pf").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);

    Win32Shell().DeleteFiles(Narrow(folder) + "\\*.pf");
    const auto exists = [&](const wchar_t* name) {
        return GetFileAttributesW((folder + name).c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    EXPECT_FALSE(exists(L"\\A.pf"));
    EXPECT_TRUE(exists(L"\\B.pf")) << "in use";
    EXPECT_FALSE(exists(L"\\C.pf")) << "deleted after the one that could not be";
    EXPECT_TRUE(exists(L"\\keep.txt"));

    CloseHandle(inUse);
    for (const wchar_t* name : names) DeleteFileW((folder + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace brivex
