#include "cli/PresetCheck.h"

namespace brivex {

std::array<TweakState, kTweakCount> ReadTweakStates(Reg& reg) {
    std::array<TweakState, kTweakCount> states{};
    const auto catalogue = TweakCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) states[i] = ReadTweakState(reg, catalogue[i]);
    return states;
}

std::vector<PresetDifference> ComparePreset(const Preset& preset, std::span<const TweakState, kTweakCount> states) {
    std::vector<PresetDifference> differences;
    for (std::size_t i = 0; i < kTweakCount; ++i) {
        const std::optional<PresetValue> expected = preset.values[i];
        if (!expected || *expected == PresetValue::Keep) continue;
        const TweakState wanted = *expected == PresetValue::Off ? TweakState::SwitchedOff : TweakState::SwitchedOn;
        if (states[i] != wanted) differences.push_back({i, *expected, states[i]});
    }
    return differences;
}

}  // namespace brivex
