#pragma once

#include <string>

namespace brivex {

// The rights the process runs with, and a new start of the program with
// administrator rights.
class ProcessElevation {
public:
    virtual ~ProcessElevation() = default;
    // True when the process holds administrator rights: an elevated token
    // where the system has user account control, membership of the
    // administrators where it has none (Windows XP).
    virtual bool Elevated() = 0;
    // The process's command line as the system gives it, the program's path first.
    virtual std::string CommandLine() = 0;
    // Starts this program again with `arguments`, the system asking the user
    // for administrator rights. False when it did not start: the user refused,
    // or the system could not start it.
    virtual bool RelaunchElevated(const std::string& arguments) = 0;
};

}  // namespace brivex
