#include "platform/win32/Win32FileFinder.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace brivex {

std::vector<std::string> Win32FileFinder::FindFiles(const std::string& wildcardPath) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Widen(wildcardPath).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(Narrow(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

}  // namespace brivex
