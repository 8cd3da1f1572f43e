#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brivex {

// What GetPrivateProfileStringA leaves behind: the whole buffer it was given
// (bufferSize characters, the unused ones still NUL) and the count it returns,
// in characters of the ANSI text; in UTF-8 a character may take several bytes.
struct ProfileString {
    std::string buffer;
    std::uint32_t count = 0;
};

// Initialisation files at the granularity of kernel32's two profile calls, the
// file named on each call. Paths, names and values are UTF-8 here; the files
// themselves stay in the system's ANSI code page.
class IniFile {
public:
    virtual ~IniFile() = default;

    // GetPrivateProfileStringA with a buffer of `bufferSize` NUL characters.
    virtual ProfileString GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, std::uint32_t bufferSize,
                                    const std::string& file) = 0;
    // WritePrivateProfileStringA: no value deletes the key. Non-zero on success.
    virtual std::int32_t WriteString(const std::string& section, const std::string& key,
                                     const std::optional<std::string>& value, const std::string& file) = 0;
};

}  // namespace brivex
