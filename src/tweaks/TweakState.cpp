#include "tweaks/TweakState.h"

#include <optional>
#include <string>

#include "base/Numbers.h"

namespace brivex {

namespace {

// Whether a value read back holds a write's data: a number for REG_DWORD, a text for REG_SZ.
bool HoldsData(const RegistryData& read, const TweakWrite& write, TweakSwitch which) {
    const std::string_view data = write.DataFor(which);
    if (write.type == static_cast<std::int32_t>(regtype::Dword)) {
        if (!read.IsNumber()) return false;
        const std::optional<double> number = TextToNumber(data);
        return number && ToInt32(*number) == read.Number();
    }
    if (!read.IsText()) return false;
    // A text value written with its terminator reads back with it (Wine and
    // other programs store one); it is no part of the data.
    std::string_view text = read.Text();
    while (!text.empty() && text.back() == '\0') text.remove_suffix(1);
    return text == data;
}

}  // namespace

TweakState ReadTweakState(Reg& reg, const TweakEntry& entry) {
    bool allOff = true;
    bool allOn = true;
    for (const TweakWrite& write : entry.writes) {
        const RegistryData read = reg.ReadValue(write.root, std::string(write.key), std::string(write.valueName));
        allOff = allOff && HoldsData(read, write, TweakSwitch::Off);
        allOn = allOn && HoldsData(read, write, TweakSwitch::On);
    }
    if (allOff) return TweakState::SwitchedOff;
    if (allOn) return TweakState::SwitchedOn;
    return TweakState::Unknown;
}

}  // namespace brivex
