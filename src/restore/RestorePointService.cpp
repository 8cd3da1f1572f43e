#include "restore/RestorePointService.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "restore/CreationFrequencyLift.h"

namespace brivex {

namespace {

// The program never sends the matching end-of-change event.
constexpr std::int16_t kBeginSystemChange = 100;

// The bare namespace, default impersonation, unlike the creation's moniker.
constexpr char kRestoreNamespaceMoniker[] = "winmgmts:root/default";
const std::vector<std::string> kRestorePointProperties = {"SequenceNumber", "Description", "CreationTime"};

// A property as the list shows it: a text as it is, a number in decimal
// digits; null, or a value of any other kind, shows nothing.
std::string ShownText(const ManagementInstance& instance, const std::string& property) {
    const auto found = instance.find(property);
    if (found == instance.end()) return {};
    if (const auto* text = std::get_if<std::string>(&found->second)) return *text;
    if (const auto* number = std::get_if<std::int64_t>(&found->second)) return std::to_string(*number);
    return {};
}

// The highest sequence number the service lists (0 for none), or nothing when it cannot list.
std::optional<std::int64_t> HighestSequenceNumber(ManagementService& management) {
    const auto points = ListRestorePoints(management);
    if (!points) return std::nullopt;
    std::int64_t highest = 0;
    for (const RestorePointRecord& point : points.Value()) {
        std::int64_t number = 0;
        const std::string& text = point.SequenceNumber;
        if (std::from_chars(text.data(), text.data() + text.size(), number).ec == std::errc())
            highest = std::max(highest, number);
    }
    return highest;
}

}  // namespace

bool MakeRestorePoint(ManagementService& management, RegistryApi& registry, const std::string& description,
                      std::int32_t restorePointType) {
    const std::optional<std::int64_t> before = HighestSequenceNumber(management);
    bool accepted = false;
    {
        const CreationFrequencyLift lift(registry);
        const ManagementResult<std::int32_t> answer =
            management.CreateRestorePoint(description, restorePointType, kBeginSystemChange);
        // A disabled restore service answers with a status, not an error.
        accepted = answer && answer.Value() == 0;
    }
    if (!accepted || !before) return false;
    const std::optional<std::int64_t> after = HighestSequenceNumber(management);
    return after && *after > *before;
}

ManagementResult<std::vector<RestorePointRecord>> ListRestorePoints(ManagementService& management) {
    const ManagementResult<std::vector<ManagementInstance>> instances =
        management.InstancesOf(kRestoreNamespaceMoniker, "SystemRestore", kRestorePointProperties);
    if (!instances) return instances.Failure();
    std::vector<RestorePointRecord> records;
    records.reserve(instances.Value().size());
    for (const ManagementInstance& instance : instances.Value())
        records.push_back({ShownText(instance, "SequenceNumber"), ShownText(instance, "Description"),
                           ShownText(instance, "CreationTime")});
    return records;
}

}  // namespace brivex
