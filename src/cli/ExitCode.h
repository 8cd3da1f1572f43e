#pragma once
// The command line's public interface for administrators' scripts and
// deployment systems: the exit codes. They are documented in the usage text and
// the README and never change meaning.

namespace brivex::exitcode {

inline constexpr int Done = 0;                  // for /check: the machine matches the preset
inline constexpr int Differences = 1;           // the machine does not match the preset (/check, /tweaks)
inline constexpr int BadInput = 2;              // bad command line or preset: nothing was changed
inline constexpr int FileError = 3;             // a file named on the command line could not be read or written
inline constexpr int NeedsAdministrator = 740;  // the system's own "elevation required"
inline constexpr int RestartNeeded = 3010;      // the system's own "a restart completes it"

}  // namespace brivex::exitcode
