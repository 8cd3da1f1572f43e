#include "program/WaitingManagementService.h"

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace brivex {

namespace {

// Runs `request` aside and waits for its answer. The answer's place is owned
// with the work: a worker given up on writes there, never into this frame.
template <class T>
ManagementResult<T> Waited(ui::EventLoop& loop, std::optional<ui::Millis> limit,
                           std::function<ManagementResult<T>()> request) {
    auto answer = std::make_shared<std::optional<ManagementResult<T>>>();
    if (!loop.RunAside([answer, request = std::move(request)] { answer->emplace(request()); }, limit))
        return ManagementFailure{WaitingManagementService::kTimedOut};
    return std::move(answer->value());
}

}  // namespace

ManagementResult<std::int32_t> WaitingManagementService::CreateRestorePoint(const std::string& description,
                                                                            std::int32_t restorePointType,
                                                                            std::int16_t eventType) {
    return Waited<std::int32_t>(loop_, std::nullopt, [&service = service_, description, restorePointType, eventType] {
        return service.CreateRestorePoint(description, restorePointType, eventType);
    });
}

ManagementResult<std::vector<ManagementInstance>> WaitingManagementService::InstancesOf(
    const std::string& moniker, const std::string& className, const std::vector<std::string>& properties) {
    return Waited<std::vector<ManagementInstance>>(loop_, kAnswerLimit,
                                                   [&service = service_, moniker, className, properties] {
                                                       return service.InstancesOf(moniker, className, properties);
                                                   });
}

ManagementResult<std::vector<ManagementInstance>> WaitingManagementService::ExecQuery(
    const std::string& moniker, const std::string& query, const std::vector<std::string>& properties) {
    return Waited<std::vector<ManagementInstance>>(
        loop_, kAnswerLimit,
        [&service = service_, moniker, query, properties] { return service.ExecQuery(moniker, query, properties); });
}

}  // namespace brivex
