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
