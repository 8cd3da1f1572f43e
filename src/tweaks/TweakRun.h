#pragma once
// A run of the tweak catalogue, the same from the panel's buttons and from a
// preset on the command line: the restore point first when "optitweak" asks
// for it (and, when it could not be made, the caller's word on going on), then
// the undo file and the writes through the one apply function, and the
// settings-changed notice when anything was written.

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
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

// What became of a chosen behaviour. Applied: at least one of its values was
// written and the system refused none. Refused: the system refused a write
// into a key it has. NoKey: this Windows has none of its keys, so nothing was
// written (a behaviour of another Windows).
enum class TweakOutcome { Applied, Refused, NoKey };

struct TweakRunReport {
    // Told only when a restore point was asked for: whether it was made.
    std::function<void(bool made)> onRestorePoint{};
    // Asked only when a restore point was asked for and not made: whether to
    // change the system all the same. Unset: it goes on.
    std::function<bool()> goOnWithoutRestorePoint{};
    WriteObserver onWrite{};
    std::function<void(const std::string& path)> onUndoFile{};
    // False where the run lacks the rights a restore point needs: none is
    // asked of the system, and it counts as not made.
    bool mayMakeRestorePoint = true;
    // Nothing changes, no restore point, no undo file: the writes the run
    // would make are told through onWrite, with status 0.
    bool dryRun = false;
};

struct TweakRunResult {
    bool changed = false;  // false: the caller chose not to go on without a restore point
    std::array<std::optional<TweakOutcome>, kTweakCount> outcomes{};  // for the chosen behaviours

    bool AllApplied() const;
};

TweakRunResult RunTweaks(const Platform& platform, Settings& settings, const TweakChoice& choice,
                         const TweakRunReport& report = {});

}  // namespace brivex
