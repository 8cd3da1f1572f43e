#pragma once

#include "platform/IniFile.h"

namespace brivex {

// Initialisation files on std::filesystem, following the lookup and rewrite
// rules of the system's profile functions, which one behavioural suite checks
// against both. Its ANSI code page is Windows-1252. Paths may use
// backslashes, as the program builds them.
class PortableIniFile final : public IniFile {
public:
    ProfileString GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                            std::uint32_t bufferSize, const std::string& file) override;
    ProfileString GetSection(const std::string& section, std::uint32_t bufferSize, const std::string& file) override;
    ProfileString GetSectionNames(std::uint32_t bufferSize, const std::string& file) override;
    ProfileString GetKeyNames(const std::string& section, const std::string& defaultValue, std::uint32_t bufferSize,
                              const std::string& file) override;
    std::int32_t WriteString(const std::string& section, const std::string& key,
                             const std::optional<std::string>& value, const std::string& file) override;
    std::int32_t DeleteSection(const std::string& section, const std::string& file) override;
};

}  // namespace brivex
