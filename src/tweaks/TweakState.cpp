#include "tweaks/TweakState.h"

#include <string>
#include <variant>

namespace brivex {

namespace {

// Whether a value read back holds a write's data: a number for REG_DWORD, a text for REG_SZ.
bool HoldsData(const RegistryData& read, const RegistryWrite& write) {
    if (const auto* number = std::get_if<std::int32_t>(&write.data)) return read.IsNumber() && read.Number() == *number;
    const auto* data = std::get_if<std::string_view>(&write.data);
    if (!data || !read.IsText()) return false;
    // A text value written with its terminator reads back with it (Wine and
    // other programs store one); it is no part of the data.
    std::string_view text = read.Text();
    while (!text.empty() && text.back() == '\0') text.remove_suffix(1);
    return text == *data;
}

}  // namespace

TweakState ReadTweakState(Reg& reg, const TweakEntry& entry) {
    bool allOff = true;
    bool allOn = true;
    for (std::size_t i = 0; i < entry.off.size(); ++i) {
        const RegistryWrite& off = entry.off[i];
        const RegistryData read = reg.ReadValue(off.root, std::string(off.key), std::string(off.valueName));
        allOff = allOff && HoldsData(read, off);
        allOn = allOn && HoldsData(read, entry.on[i]);
    }
    if (allOff) return TweakState::SwitchedOff;
    if (allOn) return TweakState::SwitchedOn;
    return TweakState::Unknown;
}

}  // namespace brivex
