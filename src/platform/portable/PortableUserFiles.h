#pragma once

#include "platform/UserFiles.h"

namespace brivex {

// The user's files in a folder of this machine standing for the application
// data; backslashes in the program's paths are this system's separators.
class PortableUserFiles final : public UserFiles {
public:
    explicit PortableUserFiles(std::string appDataFolder) : appData_(std::move(appDataFolder)) {}

    std::string AppDataFolder(const std::string& relativeFolder) override;
    bool WriteNewFile(const std::string& path, std::string_view bytes) override;

private:
    std::string appData_;
};

}  // namespace brivex
