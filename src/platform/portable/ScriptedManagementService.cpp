#include "platform/portable/ScriptedManagementService.h"

#include <utility>

namespace brivex {

void ScriptedManagementService::AnswerCreation(std::int32_t status) { creation_ = status; }

void ScriptedManagementService::FailCreation(std::int32_t hresult) { creation_ = ManagementFailure{hresult}; }

void ScriptedManagementService::AnswerListing(std::vector<SystemRestoreInstance> instances) {
    listing_ = std::move(instances);
}

void ScriptedManagementService::FailListing(std::int32_t hresult) { listing_ = ManagementFailure{hresult}; }

void ScriptedManagementService::FailToBind() {
    FailCreation(kBindFailure);
    FailListing(kBindFailure);
    bindFails_ = true;
}

void ScriptedManagementService::AnswerQuery(const std::string& query, std::vector<ManagementInstance> instances) {
    queries_.insert_or_assign(query, std::move(instances));
}

void ScriptedManagementService::FailQuery(const std::string& query, std::int32_t hresult) {
    queries_.insert_or_assign(query, ManagementFailure{hresult});
}

ManagementResult<std::vector<ManagementInstance>> ScriptedManagementService::ExecQuery(
    const std::string& moniker, const std::string& query, const std::vector<std::string>& properties) {
    queryRequests_.push_back({moniker, query, properties});
    if (bindFails_) return ManagementFailure{kBindFailure};
    const auto answer = queries_.find(query);
    if (answer == queries_.end()) return std::vector<ManagementInstance>{};
    // Only the properties asked for come back; one the script leaves out reads as null.
    if (!answer->second) return answer->second;
    std::vector<ManagementInstance> instances;
    for (const ManagementInstance& scripted : answer->second.Value()) {
        ManagementInstance& instance = instances.emplace_back();
        for (const std::string& property : properties) {
            const auto value = scripted.find(property);
            instance[property] = value == scripted.end() ? ManagementValue{} : value->second;
        }
    }
    return instances;
}

ManagementResult<std::int32_t> ScriptedManagementService::CreateRestorePoint(const std::string& description,
                                                                             std::int32_t restorePointType,
                                                                             std::int16_t eventType) {
    createRequests_.push_back({description, restorePointType, eventType});
    return creation_;
}

ManagementResult<std::vector<SystemRestoreInstance>> ScriptedManagementService::InstancesOfSystemRestore() {
    ++listingRequests_;
    return listing_;
}

}  // namespace brivex
