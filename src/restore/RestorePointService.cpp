#include "restore/RestorePointService.h"

namespace brivex {

namespace {

// The program never sends the matching end-of-change event.
constexpr std::int16_t kBeginSystemChange = 100;

}  // namespace

bool MakeRestorePoint(ManagementService& management, const std::string& description, std::int32_t restorePointType) {
    const ManagementResult<std::int32_t> answer =
        management.CreateRestorePoint(description, restorePointType, kBeginSystemChange);
    // A disabled restore service answers with a status, not an error: only
    // reading it keeps a refusal from being reported as a restore point made.
    return answer && answer.Value() == 0;
}

ManagementResult<std::vector<RestorePointRecord>> ListRestorePoints(ManagementService& management) {
    const ManagementResult<std::vector<SystemRestoreInstance>> instances = management.InstancesOfSystemRestore();
    if (!instances) return instances.Failure();
    std::vector<RestorePointRecord> records;
    records.reserve(instances.Value().size());
    for (const SystemRestoreInstance& instance : instances.Value())
        records.push_back({instance.SequenceNumber.value_or(""), instance.Description.value_or(""),
                           instance.CreationTime.value_or("")});
    return records;
}

}  // namespace brivex
