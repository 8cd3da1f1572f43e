#include "platform/win32/RegistrySettingsStore.h"

#include <windows.h>

#include <vector>

#include "platform/win32/Win32AnsiCodec.h"

namespace brivex {

namespace {

std::string SectionPath(std::string_view appName, std::string_view section) {
    return std::string(kSettingsStoreKey) + "\\" + std::string(appName) + "\\" + std::string(section);
}

}  // namespace

std::string RegistrySettingsStore::GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                                              std::string_view defaultValue) {
    const Win32AnsiCodec ansi;
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ansi.ToAnsi(SectionPath(appName, section)).c_str(), 0, KEY_QUERY_VALUE,
                      &handle) != ERROR_SUCCESS)
        return std::string(defaultValue);

    const std::string name = ansi.ToAnsi(key);
    DWORD type = 0;
    DWORD size = 0;
    std::string result(defaultValue);
    if (RegQueryValueExA(handle, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<char> buffer(size + 1, '\0');
        if (RegQueryValueExA(handle, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
            ERROR_SUCCESS)
            result = ansi.FromAnsi(std::string(buffer.data()));  // up to the stored terminator
    }
    RegCloseKey(handle);
    return result;
}

void RegistrySettingsStore::SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                                        std::string_view value) {
    const Win32AnsiCodec ansi;
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, ansi.ToAnsi(SectionPath(appName, section)).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return;
    const std::string data = ansi.ToAnsi(value);
    RegSetValueExA(handle, ansi.ToAnsi(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(handle);
}

}  // namespace brivex
