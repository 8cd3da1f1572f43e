#pragma once

#include <string>
#include <vector>

namespace brivex {

// The files of a folder whose names match a wildcard ("*" any run of
// characters, "?" one), letter case aside, as the system's file search finds
// them. Paths and names are UTF-8 with backslashes.
class FileFinder {
public:
    virtual ~FileFinder() = default;
    // The names (no folder) of the files, not folders, that `wildcardPath`
    // ("C:\Prog\Lang\*.lng") matches; empty when the folder does not exist.
    virtual std::vector<std::string> FindFiles(const std::string& wildcardPath) = 0;
};

}  // namespace brivex
