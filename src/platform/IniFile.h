#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brivex {

// What GetPrivateProfileStringA or GetPrivateProfileSectionA leaves behind:
// the whole buffer it was given (bufferSize bytes, the unused ones still NUL)
// and the count it returns, in bytes of the ANSI text: on a double-byte code
// page a character takes two.
struct ProfileString {
    std::string buffer;
    std::uint32_t count = 0;
};

// Initialisation files at the granularity of kernel32's profile calls, the
// file named on each call. Sections, keys, values and paths cross this
// interface as ANSI bytes, exactly what the "A" functions take; AnsiCodec
// converts them, and the files themselves are in the same code page.
class IniFile {
public:
    virtual ~IniFile() = default;

    // GetPrivateProfileStringA with a buffer of `bufferSize` NUL bytes.
    virtual ProfileString GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                    std::uint32_t bufferSize, const std::string& file) = 0;
    // GetPrivateProfileSectionA with a buffer of `bufferSize` NUL bytes: the
    // section's lines, each followed by a NUL, then one NUL more, the count
    // covering the lines and their NULs. What does not fit is cut: the first
    // bufferSize - 2 bytes and two NULs, the count bufferSize - 2. A missing
    // section, and a file that cannot be opened, give no lines.
    virtual ProfileString GetSection(const std::string& section, std::uint32_t bufferSize, const std::string& file) = 0;
    // GetPrivateProfileSectionNamesA: every section's name followed by a NUL,
    // then one NUL more, cut as a section is.
    virtual ProfileString GetSectionNames(std::uint32_t bufferSize, const std::string& file) = 0;
    // GetPrivateProfileStringA with no key: the names of the section's keys,
    // laid out and cut as the section names are, or the default when there are none.
    virtual ProfileString GetKeyNames(const std::string& section, const std::string& defaultValue,
                                      std::uint32_t bufferSize, const std::string& file) = 0;
    // WritePrivateProfileStringA: no value deletes the key. Non-zero on success.
    virtual std::int32_t WriteString(const std::string& section, const std::string& key,
                                     const std::optional<std::string>& value, const std::string& file) = 0;
    // WritePrivateProfileStringA with no key: the section goes with all it holds.
    virtual std::int32_t DeleteSection(const std::string& section, const std::string& file) = 0;
};

}  // namespace brivex
