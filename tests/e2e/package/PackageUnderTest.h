#pragma once
// The packages as users download them, from build/packages, and what the
// checks of both share: the files of a folder, and the program they hold
// started as a user starts it.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {

// "BrivexDoziv-<version>-x64": the zip's folder and the start of every package's name.
std::wstring PackageName();
// The program's version ("3.0.0"), and the one of the later package built for the upgrade.
std::wstring Version();
std::wstring LaterVersion();
std::wstring SetupExe();
std::wstring MsiPackage();
std::wstring LaterMsiPackage();
// The folder the zip was unpacked into, before the tests ran.
std::wstring UnpackedZip();
// The language files the program ships with ("English.lng", ...).
std::vector<std::wstring> ShippedLanguageFiles();

bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
// The names in a folder, files and folders, sorted.
std::vector<std::wstring> EntriesOf(const std::wstring& folder);
// Every file below a folder, as a path relative to it ("Lang\English.lng"), sorted.
std::vector<std::wstring> FilesUnder(const std::wstring& folder);

// The pictures of a program's first icon as its resources hold them, by size.
std::map<int, std::string> IconPictures(const std::wstring& exe);

// Answers a first start's notices with OK and waits for the program's main
// window; null when it does not come.
HWND WaitForMainWindow(Program& program);
// Starts the program, expects its main window, and quits it through its own button.
void ExpectStartsToMainWindow(const std::wstring& exe);

}  // namespace brivex::e2e
