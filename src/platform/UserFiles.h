#pragma once

#include <string>
#include <string_view>

namespace brivex {

// Files the program keeps for the user under the user's application-data
// folder. Paths are UTF-8 with backslashes.
class UserFiles {
public:
    virtual ~UserFiles() = default;
    // "<application data>\<relativeFolder>", made with any missing parent;
    // empty when it cannot be had.
    virtual std::string AppDataFolder(const std::string& relativeFolder) = 0;
    // Writes a file that does not exist yet. False when it exists already or
    // cannot be written whole, and then nothing of it is left behind.
    virtual bool WriteNewFile(const std::string& path, std::string_view bytes) = 0;
};

}  // namespace brivex
