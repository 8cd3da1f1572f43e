#pragma once

#include "platform/FileFinder.h"

namespace brivex {

// The file search on std::filesystem, for the native build: the names in
// alphabetical order, as the system's search gives them on its own disks.
class PortableFileFinder final : public FileFinder {
public:
    std::vector<std::string> FindFiles(const std::string& wildcardPath) override;
};

}  // namespace brivex
