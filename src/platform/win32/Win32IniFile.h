#pragma once

#include "platform/IniFile.h"

namespace brivex {

// kernel32's ANSI profile functions, as they are.
class Win32IniFile final : public IniFile {
public:
    ProfileString GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                            std::uint32_t bufferSize, const std::string& file) override;
    // Wine writes in front of a buffer of no bytes, so none is ever handed over.
    ProfileString GetSection(const std::string& section, std::uint32_t bufferSize, const std::string& file) override;
    ProfileString GetSectionNames(std::uint32_t bufferSize, const std::string& file) override;
    ProfileString GetKeyNames(const std::string& section, const std::string& defaultValue, std::uint32_t bufferSize,
                              const std::string& file) override;
    std::int32_t WriteString(const std::string& section, const std::string& key,
                             const std::optional<std::string>& value, const std::string& file) override;
    std::int32_t DeleteSection(const std::string& section, const std::string& file) override;
};

}  // namespace brivex
