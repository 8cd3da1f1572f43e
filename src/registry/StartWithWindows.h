#pragma once
// The start-with-Windows entry: written at the end of an optimisation (so the
// program runs after the restart and shows its finishing window) and by the
// settings window; deleted by the finishing window and the settings window.
// The entry is the machine's: it starts the program at every account's log-on.

#include <string>
#include <string_view>

#include "base/Paths.h"
#include "registry/Reg.h"

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

// What the end of an optimisation adds after the path: the start it makes at
// log-on is told from the user's own, and an account with no window waiting
// ends at once. The settings window's entry goes without it: there the user
// asked for the program at every log-on.
inline constexpr std::string_view kLogOnSwitch = "/logon";

inline std::string LogOnRunValueData(const std::string& appFolder) {
    return RunValueData(appFolder) + " " + std::string(kLogOnSwitch);
}

// What the entry is made to be; it is written as a string value, or deleted.
enum class StartEntry {
    None,           // no start at log-on
    EveryLogOn,     // the user's choice in the settings window
    AfterOptimise,  // the finishing window, once, after the restart
};

// Silent, as every write of the program: an account that may not write the
// machine's Run key simply keeps the entry as it was.
void SetStartWithWindows(Reg& reg, const std::string& appFolder, StartEntry entry);

}  // namespace brivex
