#pragma once
// What the registry behavioural suite needs from an implementation besides the
// interface itself: a fresh empty key to work under, and ways to set up and
// inspect the registry that do not go through the code under test.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/AnsiCodec.h"
#include "platform/RegistryApi.h"

namespace brivex::testing {

struct RawValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;
};

class RegistryHarness {
public:
    virtual ~RegistryHarness() = default;
    virtual RegistryApi& Api() = 0;
    virtual const AnsiCodec& Ansi() = 0;
    // A key under HKEY_CURRENT_USER, created empty for each test.
    virtual const std::string& Base() const = 0;
    // Paths are UTF-8 and relative to HKEY_CURRENT_USER.
    virtual void CreateKey(const std::string& path) = 0;
    virtual void PutRaw(const std::string& path, const std::string& name, const RawValue& value) = 0;
    virtual std::optional<RawValue> GetRaw(const std::string& path, const std::string& name) = 0;
    virtual bool KeyExists(const std::string& path) = 0;
    // Wine reports a REG_SZ written without its terminator one byte longer than
    // Windows does; the exact count is pinned where the harness keeps it.
    virtual bool ReportsExactStringSize() const = 0;
};

std::unique_ptr<RegistryHarness> MakeRegistryHarness();

inline RawValue Text(const std::string& ansi) { return {1, std::vector<std::uint8_t>(ansi.begin(), ansi.end())}; }
inline RawValue Dword(std::uint32_t v) {
    return {4,
            {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
             static_cast<std::uint8_t>(v >> 24)}};
}

}  // namespace brivex::testing
