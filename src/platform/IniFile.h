#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brivex {

// What GetPrivateProfileStringA leaves behind: the whole buffer it was given
// (bufferSize bytes, the unused ones still NUL) and the count it returns, in
// bytes of the ANSI text: on a double-byte code page a character takes two.
struct ProfileString {
    std::string buffer;
    std::uint32_t count = 0;
};

// Initialisation files at the granularity of kernel32's two profile calls, the
// file named on each call. Sections, keys, values and paths cross this
// interface as ANSI bytes, exactly what the "A" functions take; AnsiCodec
// converts them, and the files themselves are in the same code page.
class IniFile {
public:
    virtual ~IniFile() = default;

    // GetPrivateProfileStringA with a buffer of `bufferSize` NUL bytes.
    virtual ProfileString GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, std::uint32_t bufferSize,
                                    const std::string& file) = 0;
    // WritePrivateProfileStringA: no value deletes the key. Non-zero on success.
    virtual std::int32_t WriteString(const std::string& section, const std::string& key,
                                     const std::optional<std::string>& value, const std::string& file) = 0;
};

}  // namespace brivex
