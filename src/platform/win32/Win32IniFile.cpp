#include "platform/win32/Win32IniFile.h"

#include <windows.h>

namespace brivex {

ProfileString Win32IniFile::GetString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, std::uint32_t bufferSize,
                                      const std::string& file) {
    std::string buffer(bufferSize, '\0');
    const DWORD count =
        GetPrivateProfileStringA(ansi_.ToAnsi(section).c_str(), ansi_.ToAnsi(key).c_str(),
                                 ansi_.ToAnsi(defaultValue).c_str(), buffer.data(), bufferSize,
                                 ansi_.ToAnsi(file).c_str());
    return {ansi_.FromAnsi(buffer), count};
}

std::int32_t Win32IniFile::WriteString(const std::string& section, const std::string& key,
                                       const std::optional<std::string>& value, const std::string& file) {
    const std::string ansiValue = value ? ansi_.ToAnsi(*value) : std::string();
    return WritePrivateProfileStringA(ansi_.ToAnsi(section).c_str(), ansi_.ToAnsi(key).c_str(),
                                      value ? ansiValue.c_str() : nullptr, ansi_.ToAnsi(file).c_str());
}

}  // namespace brivex
