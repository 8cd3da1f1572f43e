#pragma once

#include "platform/FileFinder.h"

namespace brivex {

class Win32FileFinder final : public FileFinder {
public:
    std::vector<std::string> FindFiles(const std::string& wildcardPath) override;
};

}  // namespace brivex
