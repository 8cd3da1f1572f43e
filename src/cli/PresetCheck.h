#pragma once
// The comparison /check makes: the machine's state of each behaviour against
// what the preset sets. A behaviour the preset keeps, or does not name, never
// differs; an unknown state always differs from "off" and "on".

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "cli/Preset.h"
#include "registry/Reg.h"
#include "tweaks/TweakState.h"

namespace brivex {

struct PresetDifference {
    std::size_t entry;  // in catalogue order
    PresetValue expected;
    TweakState found;
};

// Each behaviour's state by the tweak panel's rule, in catalogue order.
std::array<TweakState, kTweakCount> ReadTweakStates(Reg& reg);

// In catalogue order.
std::vector<PresetDifference> ComparePreset(const Preset& preset, std::span<const TweakState, kTweakCount> states);

}  // namespace brivex
