#include "restore/RestorePointService.h"

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

}  // namespace

bool MakeRestorePoint(ManagementService& management, const std::string& description, std::int32_t restorePointType) {
    const ManagementResult<std::int32_t> answer =
        management.CreateRestorePoint(description, restorePointType, kBeginSystemChange);
    // A disabled restore service answers with a status, not an error: only
    // reading it keeps a refusal from being reported as a restore point made.
    return answer && answer.Value() == 0;
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
