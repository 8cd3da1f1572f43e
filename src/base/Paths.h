#pragma once

#include <string>
#include <string_view>

namespace brivex {

// A file in a folder: one backslash between them, never two, so that a drive
// root such as "C:\" gives "C:\bye.wav".
inline std::string JoinPath(std::string folder, std::string_view name) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    folder += name;
    return folder;
}

}  // namespace brivex
