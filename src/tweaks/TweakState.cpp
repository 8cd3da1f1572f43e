#include "tweaks/TweakState.h"

#include <string>
#include <string_view>
#include <variant>

namespace brivex {

namespace {

// A text value written with its terminator reads back with it (Wine and other
// programs store one); it is no part of the data.
std::string_view WithoutTerminators(std::string_view text) {
    while (!text.empty() && text.back() == '\0') text.remove_suffix(1);
    return text;
}

// Whether a value read back holds a write's data. A number counts stored as a
// REG_DWORD or as a text of its decimal digits, whichever way the row writes
// it: earlier versions of the program, other tools and Windows' own defaults
// store these values both ways, and the components that read them take both.
bool HoldsData(const RegistryData& read, const RegistryWrite& write) {
    std::string digits;
    if (const auto* number = std::get_if<std::int32_t>(&write.data)) {
        if (read.IsNumber()) return read.Number() == *number;
        digits = std::to_string(*number);
    } else if (const auto* data = std::get_if<std::string_view>(&write.data)) {
        if (read.IsText()) return WithoutTerminators(read.Text()) == *data;
        return read.IsNumber() && std::to_string(read.Number()) == *data;
    }
    return read.IsText() && WithoutTerminators(read.Text()) == digits;
}

}  // namespace

TweakState ReadTweakState(Reg& reg, const TweakEntry& entry) {
    bool anyKey = false;
    bool allOff = true;
    bool allOn = true;
    for (std::size_t i = 0; i < entry.off.size(); ++i) {
        const RegistryWrite& off = entry.off[i];
        // A row for a newer or an older Windows: its key is not on this one, and it says nothing here.
        if (!reg.KeyExists(off.root, std::string(off.key))) continue;
        anyKey = true;
        const RegistryData read = reg.ReadValue(off.root, std::string(off.key), std::string(off.valueName));
        allOff = allOff && HoldsData(read, off);
        allOn = allOn && HoldsData(read, entry.on[i]);
    }
    if (!anyKey) return TweakState::Unknown;
    if (allOff) return TweakState::SwitchedOff;
    if (allOn) return TweakState::SwitchedOn;
    return TweakState::Unknown;
}

}  // namespace brivex
