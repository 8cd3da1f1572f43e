#include "platform/win32/Win32IniFile.h"

#include <windows.h>

namespace brivex {

ProfileString Win32IniFile::GetString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, std::uint32_t bufferSize,
                                      const std::string& file) {
    std::string buffer(bufferSize, '\0');
    const DWORD count = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                                 bufferSize, file.c_str());
    return {std::move(buffer), count};
}

ProfileString Win32IniFile::GetSection(const std::string& section, std::uint32_t bufferSize, const std::string& file) {
    if (bufferSize == 0) return {};
    std::string buffer(bufferSize, '\0');
    const DWORD count = GetPrivateProfileSectionA(section.c_str(), buffer.data(), bufferSize, file.c_str());
    return {std::move(buffer), count};
}

ProfileString Win32IniFile::GetSectionNames(std::uint32_t bufferSize, const std::string& file) {
    if (bufferSize == 0) return {};
    std::string buffer(bufferSize, '\0');
    const DWORD count = GetPrivateProfileSectionNamesA(buffer.data(), bufferSize, file.c_str());
    return {std::move(buffer), count};
}

ProfileString Win32IniFile::GetKeyNames(const std::string& section, const std::string& defaultValue,
                                        std::uint32_t bufferSize, const std::string& file) {
    std::string buffer(bufferSize, '\0');
    const DWORD count = GetPrivateProfileStringA(section.c_str(), nullptr, defaultValue.c_str(), buffer.data(),
                                                 bufferSize, file.c_str());
    return {std::move(buffer), count};
}

std::int32_t Win32IniFile::WriteString(const std::string& section, const std::string& key,
                                       const std::optional<std::string>& value, const std::string& file) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value ? value->c_str() : nullptr, file.c_str());
}

std::int32_t Win32IniFile::DeleteSection(const std::string& section, const std::string& file) {
    return WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str());
}

}  // namespace brivex
