#pragma once
// The start-with-Windows entry: written at the end of an optimisation (so the
// program runs after the restart and shows its finishing window) and by the
// settings window; deleted by the finishing window and the settings window.

#include <string>

#include "base/Paths.h"

namespace brivex {

inline constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValueName[] = "Velmora Doziv";

// The quoted path of the program: its name has a blank, and an unquoted path
// with blanks in a Run value lets Windows start another program first.
inline std::string RunValueData(const std::string& appFolder) {
    std::string data = "\"";
    data += JoinPath(appFolder, "Brivex Doziv.exe");
    data += '"';
    return data;
}

}  // namespace brivex
