#include "platform/win32/Win32RegistryApi.h"

#include <windows.h>

namespace brivex {

namespace {

// Predefined roots travel as their 32-bit values; on 64-bit Windows the handle
// is that value sign-extended.
HKEY ToHkey(RegKey key) {
    if (key >= 0x80000000ull && key <= 0x800000FFull)
        return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(static_cast<DWORD>(key))));
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(key));
}

}  // namespace

long Win32RegistryApi::OpenKey(RegKey root, const std::string& subKey, std::uint32_t options, std::uint32_t access,
                               RegKey& key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(ToHkey(root), subKey.c_str(), options, access, &opened);
    if (status == ERROR_SUCCESS) key = reinterpret_cast<ULONG_PTR>(opened);
    return status;
}

long Win32RegistryApi::QueryValue(RegKey key, const std::string& valueName, std::uint32_t& type, std::uint8_t* data,
                                  std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD byteCount = size;
    const LONG status = RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType, data, &byteCount);
    type = valueType;
    size = byteCount;
    return status;
}

long Win32RegistryApi::SetValue(RegKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                                std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type, data, size);
}

long Win32RegistryApi::DeleteValue(RegKey key, const std::string& valueName) {
    return RegDeleteValueA(ToHkey(key), valueName.c_str());
}

long Win32RegistryApi::DeleteKey(RegKey root, const std::string& subKey) {
    return RegDeleteKeyA(ToHkey(root), subKey.c_str());
}

long Win32RegistryApi::CloseKey(RegKey key) { return RegCloseKey(ToHkey(key)); }

long Win32RegistryApi::EnumValue(RegKey key, std::uint32_t index, std::string& valueName, std::uint32_t& type,
                                 std::vector<std::uint8_t>& data) {
    DWORD longestName = 0;
    DWORD largestData = 0;
    const LONG info = RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       &longestName, &largestData, nullptr, nullptr);
    if (info != ERROR_SUCCESS) return info;
    std::string name(longestName + 1, '\0');
    data.assign(largestData, 0);
    DWORD nameLength = longestName + 1;
    DWORD valueType = 0;
    DWORD byteCount = largestData;
    const LONG status =
        RegEnumValueA(ToHkey(key), index, name.data(), &nameLength, nullptr, &valueType, data.data(), &byteCount);
    if (status != ERROR_SUCCESS) return status;
    valueName = name.substr(0, nameLength);
    type = valueType;
    data.resize(byteCount);
    return ERROR_SUCCESS;
}

long Win32RegistryApi::CountSubKeys(RegKey key, std::uint32_t& count) {
    DWORD subKeys = 0;
    const LONG status = RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
                                         nullptr, nullptr, nullptr, nullptr);
    count = subKeys;
    return status;
}

}  // namespace brivex
