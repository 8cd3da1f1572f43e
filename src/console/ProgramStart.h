#pragma once
// "Brivex Doziv.com", the console companion shipped beside the windowed
// program. Windows looks for a .com before an .exe, so `"Brivex Doziv" /check
// p.ini` typed in cmd or PowerShell starts the companion, a console program the
// shell waits for; it starts the windowed program with the same command line
// and, for a command, waits for it and ends with its exit code. Console paths
// are wide: the command line goes on unit for unit, as it came.

#include <string>
#include <string_view>

namespace brivex {

struct ProgramStart {
    std::wstring program;      // the companion's own path with the extension changed
    std::wstring commandLine;  // the program's quoted path, then the companion's arguments as they came
};

ProgramStart StartBeside(std::wstring_view companionPath, std::wstring_view companionCommandLine);

// True when the program, given this command line (UTF-8), runs a command
// without any window, or refuses its command line: the exit code says how
// it went. The windows, started without a command, are not waited for.
bool WaitsForProgram(std::string_view commandLine);

}  // namespace brivex
