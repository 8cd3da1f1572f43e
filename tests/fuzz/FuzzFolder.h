#pragma once
// The one scratch folder a fuzz target keeps its files in for the whole run,
// under the system's temporary folder; the run ends by removing it.

#include <cstdint>
#include <string>

#include "lang/TempFolder.h"

namespace brivex::fuzzing {

inline testing::TempFolder& FuzzFolder() {
    static testing::TempFolder folder;
    return folder;
}

// Replaces the file at `path` (UTF-8, backslashes) with exactly `bytes`.
inline void PutFile(const std::string& path, const std::string& bytes) { FuzzFolder().Put(path, bytes); }

}  // namespace brivex::fuzzing
