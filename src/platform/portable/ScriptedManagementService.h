#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ManagementService.h"
#include "platform/RegistryApi.h"

namespace brivex {

// A management service that answers from a script and records every request,
// so tests can pin exactly what the program asked for. Unscripted, it is a
// working restore service with no restore point: a creation it accepts with
// status 0 adds a point to its listing, numbered after the highest there.
// As Windows 8 and later do, it makes no point, and still answers 0, while a
// point of its listing is younger than the creation frequency the registry
// holds ("SystemRestorePointCreationFrequency" in minutes, 1440 when absent),
// once it is given a registry to read it from (without one it never holds back).
// Unscripted, it answers at once; scripted slow, as a restore service on
// Windows 10 and 11 is (a minute for a restore point, seconds for a service
// that wakes up), each request spends its duration through the clock a test
// gives it before it answers.
class ScriptedManagementService final : public ManagementService {
public:
    struct CreateRequest {
        std::string description;
        std::int32_t restorePointType = 0;
        std::int16_t eventType = 0;

        friend bool operator==(const CreateRequest&, const CreateRequest&) = default;
    };

    // What a machine without a management service gives: neither moniker binds.
    static constexpr std::int32_t kBindFailure = static_cast<std::int32_t>(0x800401E4);  // MK_E_SYNTAX

    // The restore service took the request and answered `status` (non-zero:
    // it refused, as a disabled service does).
    void AnswerCreation(std::int32_t status);
    // An error raised on the way, `hresult` being what the failing step gave.
    void FailCreation(std::int32_t hresult);

    // A restore point as a test writes it; a field without a value is null.
    struct RestorePoint {
        std::optional<std::string> SequenceNumber;
        std::optional<std::string> Description;
        std::optional<std::string> CreationTime;
    };
    // What every InstancesOf answers, whatever class it names.
    void AnswerListing(const std::vector<RestorePoint>& points);
    void AnswerInstances(std::vector<ManagementInstance> instances);
    void FailListing(std::int32_t hresult);
    // A point the system made `minutesAgo` minutes ago (Windows Update makes them all the time).
    void AddPointMadeMinutesAgo(std::int64_t minutesAgo);
    // Where the creation frequency is read at each creation.
    void ReadFrequencyFrom(RegistryApi& registry) { registry_ = &registry; }
    // Every query that binds "Winmgmts:" fails too, once this is called.
    void FailToBind();
    // The instances a query answers, whatever properties it asks for; an unscripted query answers none.
    void AnswerQuery(const std::string& query, std::vector<ManagementInstance> instances);
    void FailQuery(const std::string& query, std::int32_t hresult);

    // Where time passes while the service works, in milliseconds: a test
    // gives the virtual clock of its event loop.
    using Clock = std::function<void(std::int64_t milliseconds)>;
    void PassTimeThrough(Clock clock) { clock_ = std::move(clock); }
    void TakeForCreation(std::int64_t milliseconds) { creationTime_ = milliseconds; }
    void TakeForListing(std::int64_t milliseconds) { listingTime_ = milliseconds; }
    void TakeForQueries(std::int64_t milliseconds) { queryTime_ = milliseconds; }

    struct QueryRequest {
        std::string moniker;
        std::string query;  // or the class of an InstancesOf
        std::vector<std::string> properties;

        friend bool operator==(const QueryRequest&, const QueryRequest&) = default;
    };
    const std::vector<QueryRequest>& QueryRequests() const { return queryRequests_; }
    const std::vector<QueryRequest>& ListingRequests() const { return listingRequests_; }

    const std::vector<CreateRequest>& CreateRequests() const { return createRequests_; }

    ManagementResult<std::int32_t> CreateRestorePoint(const std::string& description, std::int32_t restorePointType,
                                                      std::int16_t eventType) override;
    ManagementResult<std::vector<ManagementInstance>> InstancesOf(const std::string& moniker,
                                                                  const std::string& className,
                                                                  const std::vector<std::string>& properties) override;
    ManagementResult<std::vector<ManagementInstance>> ExecQuery(const std::string& moniker, const std::string& query,
                                                                const std::vector<std::string>& properties) override;

private:
    bool Throttled();
    void AddPoint(const std::string& description, std::int64_t minutesAgo);
    void Spend(std::int64_t milliseconds) const;

    ManagementResult<std::int32_t> creation_{0};
    RegistryApi* registry_ = nullptr;
    std::vector<std::int64_t> pointAges_;  // minutes, of the points the service made itself
    ManagementResult<std::vector<ManagementInstance>> listing_{std::vector<ManagementInstance>{}};
    std::vector<CreateRequest> createRequests_;
    std::vector<QueryRequest> listingRequests_;
    std::map<std::string, ManagementResult<std::vector<ManagementInstance>>> queries_;
    bool bindFails_ = false;
    std::vector<QueryRequest> queryRequests_;
    Clock clock_;
    std::int64_t creationTime_ = 0;
    std::int64_t listingTime_ = 0;
    std::int64_t queryTime_ = 0;
};

}  // namespace brivex
