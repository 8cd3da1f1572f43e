#pragma once
// The start-with-Windows entry: written at the end of an optimisation (so the
// program runs after the restart and shows its finishing window) and by the
// settings window; deleted by the finishing window and the settings window.

#include <string>

namespace brivex {

inline constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValueName[] = "Velmora Doziv";

// The quoted path of the program: its name has a blank, and an unquoted path
// with blanks in a Run value lets Windows start another program first.
inline std::string RunValueData(std::string appFolder) {
    if (appFolder.empty() || appFolder.back() != '\\') appFolder += '\\';
    return "\"" + appFolder + "Brivex Doziv.exe\"";
}

}  // namespace brivex
