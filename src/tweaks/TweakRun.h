#pragma once
// A run of the tweak catalogue, the same from the panel's buttons and from a
// preset on the command line: the restore point first when "optitweak" asks
// for it, then the undo file and the writes through the one apply function,
// and the settings-changed notice when anything was written.

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "platform/Platform.h"
#include "registry/ApplyWrites.h"
#include "registry/Settings.h"
#include "tweaks/TweakCatalogue.h"

namespace brivex {

inline constexpr char kTweakRestorePoint[] = "Brivex Tweak Optimisation ";

// For each behaviour in catalogue order: the button's side to write, or nothing.
using TweakChoice = std::array<std::optional<TweakSwitch>, kTweakCount>;

// The writes of the chosen behaviours, in catalogue order.
std::vector<RegistryWrite> TweakWrites(const TweakChoice& choice);

struct TweakRunReport {
    // Told only when a restore point was asked for: whether the service took it.
    std::function<void(bool made)> onRestorePoint{};
    WriteObserver onWrite{};
};

void RunTweaks(const Platform& platform, Settings& settings, std::span<const RegistryWrite> writes,
               const TweakRunReport& report = {});

}  // namespace brivex
