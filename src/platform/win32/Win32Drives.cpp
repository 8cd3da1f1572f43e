#include "platform/win32/Win32Drives.h"

#include <windows.h>

#include <cstdio>
#include <cwctype>

#include "platform/win32/WideText.h"

namespace brivex {

namespace {

wchar_t LetterOf(char letter) { return static_cast<wchar_t>(std::towlower(static_cast<unsigned char>(letter))); }

std::wstring RootOf(char letter) { return std::wstring(1, LetterOf(letter)) + L":\\"; }

}  // namespace

std::vector<char> Win32Drives::Letters() {
    std::vector<char> letters;
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << i)) letters.push_back(static_cast<char>('a' + i));
    return letters;
}

// The system answers from the drive's entry in its own table of devices, without reading the medium.
int Win32Drives::DriveType(char letter) { return static_cast<int>(GetDriveTypeW(RootOf(letter).c_str())); }

std::string Win32Drives::VolumeLabel(char letter) {
    wchar_t label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(RootOf(letter).c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
        return {};
    return Narrow(label);
}

// The user's remembered mapping, which the system keeps in the user's own
// registry: a local read, where asking the network providers could wait on the
// server. A mapping made for the session only is not remembered there.
std::string Win32Drives::RemoteName(char letter) {
    const std::wstring key = L"Network\\" + std::wstring(1, LetterOf(letter));
    HKEY mapping = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &mapping) != ERROR_SUCCESS) return {};
    wchar_t path[MAX_PATH + 1] = {};
    DWORD type = 0;
    DWORD size = sizeof path - sizeof path[0];  // room for the terminator a stored text may lack
    const LONG status = RegQueryValueExW(mapping, L"RemotePath", nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
    RegCloseKey(mapping);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
    return Narrow(path);
}

DriveFacts Win32Drives::Facts(char letter) {
    const std::wstring root = RootOf(letter);
    DriveFacts facts;
    facts.driveType = static_cast<int>(GetDriveTypeW(root.c_str()));
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS);  // an empty drive answers, it does not ask
    wchar_t label[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0;
    if (GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, &serial, nullptr, nullptr, fileSystem, MAX_PATH + 1)) {
        facts.volumeName = Narrow(label);
        facts.fileSystem = Narrow(fileSystem);
        char text[16];
        std::snprintf(text, sizeof text, "%04lX-%04lX", (serial >> 16) & 0xFFFFul, serial & 0xFFFFul);
        facts.serialNumber = text;
    }
    ULARGE_INTEGER available{}, total{}, free{};
    if (GetDiskFreeSpaceExW(root.c_str(), &available, &total, &free)) {
        facts.totalSpace = static_cast<double>(total.QuadPart);
        facts.freeSpace = static_cast<double>(free.QuadPart);
    }
    SetErrorMode(previousMode);
    return facts;
}

}  // namespace brivex
