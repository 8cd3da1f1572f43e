#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32UserFiles.h"

namespace brivex {
namespace {

std::wstring AppData() {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

TEST(Win32UserFiles, MakesTheFolderWithItsParentsAndNeverOverwritesAFile) {
    const std::string relative = "Brivex Doziv Tests \xC3\xA9\\" + std::to_string(GetCurrentProcessId()) + "\\Deeper";
    Win32UserFiles files;
    const std::string folder = files.AppDataFolder(relative);
    EXPECT_EQ(folder, Narrow(AppData()) + "\\" + relative);
    EXPECT_EQ(files.AppDataFolder(relative), folder) << "a second call finds the folder made";

    const std::string file = folder + "\\undo.reg";
    EXPECT_TRUE(files.WriteNewFile(file, std::string("\xFF\xFEz\0", 4)));
    EXPECT_FALSE(files.WriteNewFile(file, "other"));
    HANDLE handle = CreateFileW(Widen(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    char bytes[8] = {};
    DWORD read = 0;
    ReadFile(handle, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(handle);
    EXPECT_EQ(std::string(bytes, read), std::string("\xFF\xFEz\0", 4));

    EXPECT_FALSE(files.WriteNewFile(folder + "\\Missing\\undo.reg", "x")) << "no folder is made for a file";
    DeleteFileW(Widen(file).c_str());
    std::wstring top = AppData() + L"\\" + Widen(relative);
    for (int level = 0; level < 3; ++level) {
        RemoveDirectoryW(top.c_str());
        top.resize(top.find_last_of(L'\\'));
    }
}

}  // namespace
}  // namespace brivex
