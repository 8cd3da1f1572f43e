#include "platform/win32/Win32UserFiles.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/win32/WideText.h"

namespace brivex {

std::string Win32UserFiles::AppDataFolder(const std::string& relativeFolder) {
    wchar_t base[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, base)))
        return {};
    std::wstring folder = base;
    const std::wstring relative = Widen(relativeFolder);
    // One level at a time: CreateDirectoryW makes no parents.
    for (std::size_t start = 0; start <= relative.size();) {
        std::size_t end = relative.find(L'\\', start);
        if (end == std::wstring::npos) end = relative.size();
        if (end > start) {
            folder += L'\\';
            folder.append(relative, start, end - start);
            if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return {};
        }
        start = end + 1;
    }
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
    return Narrow(folder);
}

bool Win32UserFiles::WriteNewFile(const std::string& path, std::string_view bytes) {
    const std::wstring widePath = Widen(path);
    HANDLE file = CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    if (!whole) DeleteFileW(widePath.c_str());
    return whole;
}

}  // namespace brivex
