#include "platform/win32/Win32Drives.h"

#include <windows.h>

#include <cstdio>
#include <cwctype>

#include "platform/win32/Win32AnsiCodec.h"

namespace brivex {

namespace {

std::wstring RootOf(wchar_t letter) { return std::wstring(1, letter) + L":\\"; }

// Removable and optical drives are not read to list them: an empty drive
// would make the list wait, or the system ask for a disk.
bool ListLabel(UINT type) { return type == DRIVE_FIXED || type == DRIVE_RAMDISK || type == DRIVE_REMOTE; }

}  // namespace

std::vector<std::string> Win32Drives::DriveList() {
    std::vector<std::string> drives;
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        const wchar_t letter = static_cast<wchar_t>(L'a' + i);
        std::string entry = Narrow(std::wstring(1, letter) + L":");
        wchar_t label[MAX_PATH + 1] = {};
        if (ListLabel(GetDriveTypeW(RootOf(letter).c_str())) &&
            GetVolumeInformationW(RootOf(letter).c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0) &&
            label[0])
            entry += " [" + Narrow(label) + "]";
        drives.push_back(entry);
    }
    return drives;
}

DriveFacts Win32Drives::Facts(char letter) {
    const std::wstring root = RootOf(static_cast<wchar_t>(std::towlower(static_cast<wint_t>(letter))));
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
