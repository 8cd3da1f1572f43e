#pragma once

#include "platform/UserFiles.h"

namespace brivex {

// The user's roaming application-data folder, as the shell names it.
class Win32UserFiles final : public UserFiles {
public:
    std::string AppDataFolder(const std::string& relativeFolder) override;
    bool WriteNewFile(const std::string& path, std::string_view bytes) override;
};

}  // namespace brivex
