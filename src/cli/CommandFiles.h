#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brivex {

// The files named on the command line, by the path given there (UTF-8;
// relative to the current folder).
class CommandFiles {
public:
    virtual ~CommandFiles() = default;
    // At most limit + 1 bytes, so a caller tells a file over the limit
    // without reading it all; nothing when it cannot be read.
    virtual std::optional<std::string> Read(const std::string& path, std::size_t limit) = 0;
    // Writes the file whole in place of any it replaces. False when it could not.
    virtual bool Replace(const std::string& path, std::string_view bytes) = 0;
    // Adds to the end of the file, making it when missing. False when it could not.
    virtual bool Append(const std::string& path, std::string_view bytes) = 0;
    // Why the last call that failed did: the system's message for its error, with the code.
    virtual std::string LastFailure() const = 0;
};

}  // namespace brivex
