#include "tweaks/TweakRun.h"

#include "restore/RestorePointService.h"

namespace brivex {

std::vector<RegistryWrite> TweakWrites(const TweakChoice& choice) {
    std::vector<RegistryWrite> writes;
    const auto catalogue = TweakCatalogue();
    for (std::size_t i = 0; i < kTweakCount; ++i) {
        if (!choice[i]) continue;
        const auto entryWrites = catalogue[i].WritesFor(*choice[i]);
        writes.insert(writes.end(), entryWrites.begin(), entryWrites.end());
    }
    return writes;
}

void RunTweaks(const Platform& platform, Settings& settings, std::span<const RegistryWrite> writes,
               const TweakRunReport& report) {
    // Before the first write: a restore point made after the writes could not undo them.
    if (settings.ReadsAs(setting::OptiTweak, 1)) {
        const bool made = MakeRestorePoint(platform.management, kTweakRestorePoint, restorepointtype::ModifySettings);
        if (report.onRestorePoint) report.onRestorePoint(made);
    }
    if (ApplyWrites(platform, writes, {.onWrite = report.onWrite})) platform.shell.AnnounceSettingsChanged();
}

}  // namespace brivex
