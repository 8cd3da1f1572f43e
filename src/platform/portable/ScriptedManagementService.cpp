#include "platform/portable/ScriptedManagementService.h"

#include <utility>

namespace brivex {

void ScriptedManagementService::AnswerCreation(std::int32_t status) { creation_ = status; }

void ScriptedManagementService::FailCreation(std::int32_t hresult) { creation_ = ManagementFailure{hresult}; }

void ScriptedManagementService::AnswerListing(const std::vector<RestorePoint>& points) {
    std::vector<ManagementInstance> instances;
    const auto value = [](const std::optional<std::string>& field) {
        return field ? ManagementValue{*field} : ManagementValue{};
    };
    for (const RestorePoint& point : points)
        instances.push_back({{"SequenceNumber", value(point.SequenceNumber)},
                             {"Description", value(point.Description)},
                             {"CreationTime", value(point.CreationTime)}});
    AnswerInstances(std::move(instances));
}

void ScriptedManagementService::AnswerInstances(std::vector<ManagementInstance> instances) {
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

void ScriptedManagementService::Spend(std::int64_t milliseconds) const {
    if (milliseconds > 0 && clock_) clock_(milliseconds);
}

namespace {

using Instances = ManagementResult<std::vector<ManagementInstance>>;

// Only the properties asked for come back; one the script leaves out reads as null.
Instances Answer(const Instances& scripted, const std::vector<std::string>& properties) {
    if (!scripted) return scripted;
    std::vector<ManagementInstance> instances;
    for (const ManagementInstance& written : scripted.Value()) {
        ManagementInstance& instance = instances.emplace_back();
        for (const std::string& property : properties) {
            const auto value = written.find(property);
            instance[property] = value == written.end() ? ManagementValue{} : value->second;
        }
    }
    return instances;
}

}  // namespace

ManagementResult<std::vector<ManagementInstance>> ScriptedManagementService::ExecQuery(
    const std::string& moniker, const std::string& query, const std::vector<std::string>& properties) {
    queryRequests_.push_back({moniker, query, properties});
    Spend(queryTime_);
    if (bindFails_) return ManagementFailure{kBindFailure};
    const auto answer = queries_.find(query);
    if (answer == queries_.end()) return std::vector<ManagementInstance>{};
    return Answer(answer->second, properties);
}

ManagementResult<std::int32_t> ScriptedManagementService::CreateRestorePoint(const std::string& description,
                                                                             std::int32_t restorePointType,
                                                                             std::int16_t eventType) {
    createRequests_.push_back({description, restorePointType, eventType});
    Spend(creationTime_);
    return creation_;
}

ManagementResult<std::vector<ManagementInstance>> ScriptedManagementService::InstancesOf(
    const std::string& moniker, const std::string& className, const std::vector<std::string>& properties) {
    listingRequests_.push_back({moniker, className, properties});
    Spend(listingTime_);
    return Answer(listing_, properties);
}

}  // namespace brivex
