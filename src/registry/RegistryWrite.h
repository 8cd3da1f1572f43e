#pragma once
// One row of a fixed list of registry writes: where it goes and what it puts
// there. The tweak catalogue and the optimisation's list are made of these;
// ApplyWrites makes a list of them.

#include <cstdint>
#include <string_view>
#include <variant>

#include "platform/RegistryApi.h"

namespace brivex {

// What a row waits for on the machine; a row whose condition does not hold is
// left unmade, and the value there stays as it is.
enum class WriteCondition : std::uint8_t {
    Always,
    // The machine has a large memory.
    LargeMemory,
    // The machine is joined to no domain.
    OutsideDomain,
    // The value there lacks its high bit: with it (0x80000002, say) Windows
    // manages the value itself.
    NotSystemManaged,
    // The value there is neither 2 (each volume keeps its own choice) nor 3
    // (every volume but the system's).
    NotPerVolume,
};

struct RegistryWrite {
    // A number worked out from the machine's memory when the list is applied.
    struct PageLockValue {
        friend constexpr bool operator==(PageLockValue, PageLockValue) = default;
    };
    // The row removes its whole key, values included, instead of writing a value.
    struct WholeKey {
        friend constexpr bool operator==(WholeKey, WholeKey) = default;
    };
    // A text is a REG_SZ value, a number a REG_DWORD one.
    using Data = std::variant<std::string_view, std::int32_t, PageLockValue, WholeKey>;

    RegKey root = 0;
    std::string_view key;
    std::string_view valueName;
    Data data;
    WriteCondition condition = WriteCondition::Always;

    constexpr bool RemovesKey() const { return std::holds_alternative<WholeKey>(data); }
    // The registry type the row writes; 0 for a key removal.
    constexpr std::uint32_t Type() const {
        if (RemovesKey()) return 0;
        return std::holds_alternative<std::string_view>(data) ? regtype::String : regtype::Dword;
    }
    // The same row, made only where `condition` holds.
    constexpr RegistryWrite When(WriteCondition condition) const {
        RegistryWrite write = *this;
        write.condition = condition;
        return write;
    }
};

// The four kinds of row, as the lists spell them.
namespace regwrite {
constexpr RegistryWrite Sz(RegKey root, std::string_view key, std::string_view valueName, std::string_view text) {
    return {root, key, valueName, text};
}
constexpr RegistryWrite Dword(RegKey root, std::string_view key, std::string_view valueName, std::int32_t number) {
    return {root, key, valueName, number};
}
constexpr RegistryWrite PageLockDword(RegKey root, std::string_view key, std::string_view valueName) {
    return {root, key, valueName, RegistryWrite::PageLockValue{}};
}
constexpr RegistryWrite KeyRemoval(RegKey root, std::string_view key) {
    return {root, key, {}, RegistryWrite::WholeKey{}};
}
}  // namespace regwrite

}  // namespace brivex
