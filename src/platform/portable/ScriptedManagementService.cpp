#include "platform/portable/ScriptedManagementService.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <variant>

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
    pointAges_.clear();
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
    if (creation_ && creation_.Value() == 0 && !Throttled()) AddPoint(description, 0);
    return creation_;
}

void ScriptedManagementService::AddPointMadeMinutesAgo(std::int64_t minutesAgo) {
    AddPoint("Windows Update", minutesAgo);
}

namespace {

std::int64_t SequenceNumberOf(const ManagementInstance& instance) {
    const auto found = instance.find("SequenceNumber");
    if (found == instance.end()) return 0;
    if (const auto* number = std::get_if<std::int64_t>(&found->second)) return *number;
    if (const auto* text = std::get_if<std::string>(&found->second)) {
        std::int64_t number = 0;
        std::from_chars(text->data(), text->data() + text->size(), number);
        return number;
    }
    return 0;
}

constexpr char kSystemRestoreKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
constexpr std::int64_t kDefaultFrequencyMinutes = 1440;

}  // namespace

void ScriptedManagementService::AddPoint(const std::string& description, std::int64_t minutesAgo) {
    pointAges_.push_back(minutesAgo);
    if (!listing_) return;
    std::int64_t highest = 0;
    for (const ManagementInstance& instance : listing_.Value()) highest = std::max(highest, SequenceNumberOf(instance));
    listing_.Value().push_back({{"SequenceNumber", highest + 1},
                                {"Description", description},
                                {"CreationTime", std::string("20261208120000.000000-000")}});
}

bool ScriptedManagementService::Throttled() {
    if (!registry_) return false;
    std::int64_t frequency = kDefaultFrequencyMinutes;
    RegKey key = 0;
    if (registry_->OpenKey(regroot::LocalMachine, kSystemRestoreKey, 0, 0x20019, key) == 0) {
        std::uint32_t type = 0;
        std::uint8_t bytes[4] = {};
        std::uint32_t size = sizeof bytes;
        if (registry_->QueryValue(key, "SystemRestorePointCreationFrequency", type, bytes, size) == 0 &&
            type == regtype::Dword && size == 4)
            frequency = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::int64_t>(bytes[3]) << 24);
        registry_->CloseKey(key);
    }
    return std::ranges::any_of(pointAges_, [&](std::int64_t age) { return age < frequency; });
}

ManagementResult<std::vector<ManagementInstance>> ScriptedManagementService::InstancesOf(
    const std::string& moniker, const std::string& className, const std::vector<std::string>& properties) {
    listingRequests_.push_back({moniker, className, properties});
    Spend(listingTime_);
    return Answer(listing_, properties);
}

}  // namespace brivex
