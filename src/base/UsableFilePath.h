#pragma once

#include <cstddef>
#include <string_view>

namespace brivex {

// The longest path, terminator included, that the system's file functions take.
inline constexpr std::size_t kMaxPath = 260;

// Whether the system's file functions can take `path` (UTF-8) as the name of
// a file, checked before the path ever reaches them, for what they do with
// one they cannot take is not always to fail: it is not empty; it is shorter
// than kMaxPath in the `ansiLength` bytes it takes in the system's code page;
// it names a folder and a file in it; and it holds none of the characters
// Windows refuses in a path (control characters, < > " | ? *, and a colon
// anywhere but after a drive letter).
bool IsUsableFilePath(std::string_view path, std::size_t ansiLength);

}  // namespace brivex
