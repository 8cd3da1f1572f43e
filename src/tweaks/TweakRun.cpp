#include "tweaks/TweakRun.h"

#include <algorithm>

#include "platform/Shell.h"
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

bool TweakRunResult::AllApplied() const {
    return std::ranges::all_of(outcomes,
                               [](const auto& outcome) { return !outcome || *outcome == TweakOutcome::Applied; });
}

namespace {

// The outcome of one behaviour from the statuses of its writes, in order.
TweakOutcome OutcomeOf(std::span<const long> statuses) {
    const auto refused = [](long status) { return status != regstatus::Success && status != regstatus::FileNotFound; };
    if (std::ranges::any_of(statuses, refused)) return TweakOutcome::Refused;
    if (std::ranges::any_of(statuses, [](long status) { return status == regstatus::Success; }))
        return TweakOutcome::Applied;
    return TweakOutcome::NoKey;
}

}  // namespace

TweakRunResult RunTweaks(const Platform& platform, Settings& settings, const TweakChoice& choice,
                         const TweakRunReport& report) {
    TweakRunResult result;
    // Before the first write: a restore point made after the writes could not undo them.
    if (!report.dryRun && settings.ReadsAs(setting::OptiTweak, 1)) {
        const bool made =
            report.mayMakeRestorePoint && MakeRestorePoint(platform.management, platform.registry, kTweakRestorePoint,
                                                           restorepointtype::ModifySettings);
        if (report.onRestorePoint) report.onRestorePoint(made);
        if (!made && report.goOnWithoutRestorePoint && !report.goOnWithoutRestorePoint()) return result;
    }
    result.changed = true;

    const std::vector<RegistryWrite> writes = TweakWrites(choice);
    std::vector<long> statuses;
    const auto onWrite = [&](const RegistryWrite& write, const RegistryData& data, long status) {
        statuses.push_back(status);
        if (report.onWrite) report.onWrite(write, data, status);
    };
    const bool wrote =
        ApplyWrites(platform, writes, {.onWrite = onWrite, .onUndoFile = report.onUndoFile, .dryRun = report.dryRun});
    if (wrote) platform.shell.AnnounceSettingsChanged();

    std::span<const long> rest = statuses;
    for (std::size_t i = 0; i < kTweakCount; ++i) {
        if (!choice[i]) continue;
        const std::size_t count = std::min(TweakCatalogue()[i].WritesFor(*choice[i]).size(), rest.size());
        result.outcomes[i] = OutcomeOf(rest.first(count));
        rest = rest.subspan(count);
    }
    return result;
}

}  // namespace brivex
