#pragma once
// The registry access module every reader and writer of the registry goes
// through. It opens keys and never creates them, and it is silent: the four
// outer operations report nothing of their own, so a write into a missing or
// forbidden key simply does nothing, which the long fixed lists of writes rely
// on; a write and a key removal give back the registry's status for a caller
// that keeps a record of them.

#include <cstdint>
#include <string>

#include "platform/AnsiCodec.h"
#include "platform/RegistryApi.h"
#include "registry/RegistryData.h"

namespace brivex {

class Reg {
public:
    // Every open asks for query, set, create-subkey, enumerate, notify and
    // create-link access, even to read, as the program always has.
    static constexpr std::uint32_t kAccessMask = 0x3F;
    static constexpr long kUnsupportedType = -1;
    // KEY_READ: whether a key is there, also for an account that may not write it.
    static constexpr std::uint32_t kReadMask = 0x20019;

    Reg(RegistryApi& api, const AnsiCodec& ansi) : api_(api), ansi_(ansi) {}

    long WriteValue(RegKey root, const std::string& subKey, const std::string& valueName, const RegistryData& data,
                    std::int32_t type);
    RegistryData ReadValue(RegKey root, const std::string& subKey, const std::string& valueName);
    bool KeyExists(RegKey root, const std::string& subKey);
    void DeleteValue(RegKey root, const std::string& subKey, const std::string& valueName);
    long DeleteKey(RegKey root, const std::string& subKey);

    long WriteOpenKeyValue(RegKey key, const std::string& valueName, std::int32_t type, const RegistryData& data);
    long ReadOpenKeyValue(RegKey key, const std::string& valueName, RegistryData& data);

private:
    RegKey Open(RegKey root, const std::string& subKey);

    RegistryApi& api_;
    const AnsiCodec& ansi_;
};

}  // namespace brivex
