#pragma once
// The one-click optimisation's changes to the system, as one sequence both the
// main window's button and the command line run: the restore point when the
// settings ask for it, then the undo file, the prefetch files, the registry
// list and, as the settings ask, the recent documents and the clipboard. What
// only the window does (its staged display, the pending-reboot marker, the
// start-with-Windows value) stays the window's.

#include <functional>
#include <span>
#include <string>

#include "platform/Platform.h"
#include "registry/ApplyWrites.h"
#include "registry/Settings.h"

namespace brivex {

inline constexpr char kAutoRestorePoint[] = "Brivex Auto Optimisation ";

struct SystemOptimisationSteps {
    // After the restore point, before the first change.
    std::function<void()> onStarted{};
    // After the prefetch files, before the registry rows.
    std::function<void()> beforeRows{};
    // Values the caller writes itself afterwards, which the undo file brings back too.
    std::span<const RegistryValuePath> alsoUndone{};
    // Told only when a restore point was asked for: whether it was made.
    std::function<void(bool made)> onRestorePoint{};
    // Asked only when a restore point was asked for and not made: whether to
    // change the system all the same. Unset: it goes on.
    std::function<bool()> goOnWithoutRestorePoint{};
    WriteObserver onWrite{};
    // Told of each row this machine keeps unmade, as the undo file says it.
    std::function<void(const std::string& note)> onSkip{};
    std::function<void(const std::string& path)> onUndoFile{};
    // Nothing changes: no restore point, no file deleted, no undo file; the
    // rows are told as they would be made or kept.
    bool dryRun = false;
};

// False when nothing was changed: the caller chose not to go on without the restore point.
bool OptimiseSystem(const Platform& platform, Settings& settings, const SystemOptimisationSteps& steps = {});

}  // namespace brivex
