#pragma once

#include "platform/RegistryApi.h"

namespace brivex {

// advapi32's ANSI registry functions, as they are.
class Win32RegistryApi final : public RegistryApi {
public:
    long OpenKey(RegKey root, const std::string& subKey, std::uint32_t options, std::uint32_t access,
                 RegKey& key) override;
    long QueryValue(RegKey key, const std::string& valueName, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override;
    long SetValue(RegKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long DeleteValue(RegKey key, const std::string& valueName) override;
    long DeleteKey(RegKey root, const std::string& subKey) override;
    long CloseKey(RegKey key) override;
    long EnumValue(RegKey key, std::uint32_t index, std::string& valueName, std::uint32_t& type,
                   std::vector<std::uint8_t>& data) override;
    long CountSubKeys(RegKey key, std::uint32_t& count) override;
};

}  // namespace brivex
