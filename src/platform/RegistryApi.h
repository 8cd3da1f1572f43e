#pragma once
// The platform layer: the operating system as this program calls it, one
// interface per family of calls and at the granularity of those calls, so the
// program's own rules are written once above it. Implementations: win32/ (the
// real calls, the only code that sees <windows.h>) and portable/ (in-memory
// stand-ins with the same semantics, for the native tests).
//
// Registry names, paths and REG_SZ data cross this interface as ANSI bytes,
// exactly what the advapi32 "A" functions take; AnsiCodec converts them.

#include <cstdint>
#include <string>
#include <vector>

namespace brivex {

using RegKey = std::uint64_t;  // 0 is no key; predefined roots are their 32-bit values

namespace regroot {
inline constexpr RegKey ClassesRoot = 0x80000000;
inline constexpr RegKey CurrentUser = 0x80000001;
inline constexpr RegKey LocalMachine = 0x80000002;
inline constexpr RegKey Users = 0x80000003;
}  // namespace regroot

namespace regtype {
inline constexpr std::uint32_t String = 1;
inline constexpr std::uint32_t ExpandString = 2;
inline constexpr std::uint32_t Binary = 3;
inline constexpr std::uint32_t Dword = 4;
inline constexpr std::uint32_t MultiString = 7;
}  // namespace regtype

namespace regstatus {
inline constexpr long Success = 0;
inline constexpr long FileNotFound = 2;
inline constexpr long AccessDenied = 5;
inline constexpr long InvalidHandle = 6;
inline constexpr long InvalidParameter = 87;
inline constexpr long MoreData = 234;
inline constexpr long NoMoreItems = 259;
}  // namespace regstatus

class RegistryApi {
public:
    virtual ~RegistryApi() = default;

    // RegOpenKeyExA: `key` is set only on success and never created.
    virtual long OpenKey(RegKey root, const std::string& subKey, std::uint32_t options, std::uint32_t access,
                         RegKey& key) = 0;
    // RegQueryValueExA: with no `data` it is the size probe; `size` is in and out.
    virtual long QueryValue(RegKey key, const std::string& valueName, std::uint32_t& type, std::uint8_t* data,
                            std::uint32_t& size) = 0;
    virtual long SetValue(RegKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                          std::uint32_t size) = 0;
    virtual long DeleteValue(RegKey key, const std::string& valueName) = 0;
    // RegDeleteKeyA: refused while the key has subkeys.
    virtual long DeleteKey(RegKey root, const std::string& subKey) = 0;
    virtual long CloseKey(RegKey key) = 0;
    // RegEnumValueA: the value at `index` of an open key, with all its bytes;
    // ERROR_NO_MORE_ITEMS past the last one.
    virtual long EnumValue(RegKey key, std::uint32_t index, std::string& valueName, std::uint32_t& type,
                           std::vector<std::uint8_t>& data) = 0;
    // RegQueryInfoKeyA's count of subkeys.
    virtual long CountSubKeys(RegKey key, std::uint32_t& count) = 0;
};

}  // namespace brivex
