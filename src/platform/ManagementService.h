#pragma once
// The management service (WMI) as the program calls it: one member per request
// the program makes, answered in the values WMI itself deals in. A request that
// does not go through (no service, a moniker that does not bind, a member the
// object does not know, a call or an enumeration refused) comes back as a
// ManagementFailure holding the HRESULT of the step that failed; nothing is
// thrown. Text is UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace brivex {

struct ManagementFailure {
    std::int32_t status = 0;  // an HRESULT

    friend bool operator==(const ManagementFailure&, const ManagementFailure&) = default;
};

template <class T>
class ManagementResult {
public:
    ManagementResult(T value) : outcome_(std::move(value)) {}
    ManagementResult(ManagementFailure failure) : outcome_(failure) {}

    explicit operator bool() const { return std::holds_alternative<T>(outcome_); }
    const T& Value() const { return std::get<T>(outcome_); }
    T& Value() { return std::get<T>(outcome_); }
    ManagementFailure Failure() const { return std::get<ManagementFailure>(outcome_); }

private:
    std::variant<T, ManagementFailure> outcome_;
};

// One "SystemRestore" instance, its properties in the order they are read; a
// property that is null has no value. Numbers arrive as their decimal text.
struct SystemRestoreInstance {
    std::optional<std::string> SequenceNumber;
    std::optional<std::string> Description;
    std::optional<std::string> CreationTime;

    friend bool operator==(const SystemRestoreInstance&, const SystemRestoreInstance&) = default;
};

class ManagementService {
public:
    virtual ~ManagementService() = default;

    // "CreateRestorePoint" on the "SystemRestore" class of root/default: the
    // status the method answered (0 when the restore service accepted it).
    virtual ManagementResult<std::int32_t> CreateRestorePoint(const std::string& description,
                                                              std::int32_t restorePointType,
                                                              std::int16_t eventType) = 0;

    // "InstancesOf" "SystemRestore" in root/default, in the service's order.
    virtual ManagementResult<std::vector<SystemRestoreInstance>> InstancesOfSystemRestore() = 0;
};

}  // namespace brivex
