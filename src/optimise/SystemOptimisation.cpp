#include "optimise/SystemOptimisation.h"

#include <string>

#include "optimise/KeptRowTexts.h"
#include "optimise/RegistryChangeList.h"
#include "platform/Shell.h"
#include "platform/SystemFacts.h"
#include "restore/RestorePointService.h"

namespace brivex {

bool OptimiseSystem(const Platform& platform, Settings& settings, const SystemOptimisationSteps& steps) {
    // Before any change, so the restore point can undo them all.
    if (!steps.dryRun && settings.ReadsAs(setting::OptiStart, 1)) {
        const bool made = MakeRestorePoint(platform.management, platform.registry, kAutoRestorePoint,
                                           restorepointtype::ModifySettings);
        if (steps.onRestorePoint) steps.onRestorePoint(made);
        if (!made && steps.goOnWithoutRestorePoint && !steps.goOnWithoutRestorePoint()) return false;
    }
    if (steps.onStarted) steps.onStarted();

    const std::uint64_t physicalBytes = platform.system.Memory().totalPhysical;
    const std::string windowsFolder = platform.system.WindowsFolder();
    if (!steps.dryRun && !windowsFolder.empty()) platform.shell.DeleteFiles(windowsFolder + "\\Prefetch\\*.pf");
    if (steps.beforeRows) steps.beforeRows();

    // The user's clean-up choices come between the rows, where the list has always made them.
    const auto cleanUp = [&] {
        if (settings.ReadsAs(setting::Doc, 1)) platform.shell.ClearRecentDocuments();
        if (settings.ReadsAs(setting::Press, 1)) platform.shell.EmptyClipboard();
    };
    KeptRowTexts kept(platform, settings);
    const auto noteSkip = [&](const RegistryWrite& write, WriteCondition unmet) {
        std::string note = kept.Note(write, unmet);
        if (steps.onSkip) steps.onSkip(note);
        return note;
    };
    ApplyWrites(platform, RegistryChanges(),
                {.pageLockValue = PageLockValueFor(physicalBytes),
                 .largeMemory = WritesDisablePagingExecutive(physicalBytes),
                 .joinedToDomain = platform.system.JoinedToDomain(),
                 .alsoUndone = steps.alsoUndone,
                 .pauseAt = kRowsBeforeCleanUp,
                 .pause = cleanUp,
                 .onWrite = steps.onWrite,
                 .onSkip = noteSkip,
                 .onUndoFile = steps.onUndoFile,
                 .dryRun = steps.dryRun});
    return true;
}

}  // namespace brivex
