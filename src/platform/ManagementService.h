#pragma once
// The management service (WMI) as the program calls it: one member per request
// the program makes, answered in the values WMI itself deals in. A request that
// does not go through (no service, a moniker that does not bind, a member the
// object does not know, a call or an enumeration refused) comes back as a
// ManagementFailure holding the HRESULT of the step that failed; nothing is
// thrown. Text is UTF-8.

#include <cstdint>
#include <map>
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

// A property of an instance as the program reads it: null (also what a
// property the instance does not have, or cannot give, reads as), a text, a
// Boolean, a whole number, or an array of numbers or of texts. An element that
// cannot be converted adds nothing to an array of numbers and an empty text
// to an array of texts.
using ManagementValue =
    std::variant<std::monostate, std::string, bool, std::int64_t, std::vector<std::int64_t>, std::vector<std::string>>;

// The properties read from one instance of a query's answer, by name.
using ManagementInstance = std::map<std::string, ManagementValue>;

class ManagementService {
public:
    virtual ~ManagementService() = default;

    // "CreateRestorePoint" on the "SystemRestore" class of root/default: the
    // status the method answered (0 when the restore service accepted it).
    virtual ManagementResult<std::int32_t> CreateRestorePoint(const std::string& description,
                                                              std::int32_t restorePointType,
                                                              std::int16_t eventType) = 0;

    // "InstancesOf" with `className` on the object the moniker `moniker` names,
    // then for each instance, in the service's order, the properties
    // `properties`. Only the connection, the request and the walk over its
    // answer can fail: one property that cannot be read spoils no instance.
    virtual ManagementResult<std::vector<ManagementInstance>> InstancesOf(
        const std::string& moniker, const std::string& className, const std::vector<std::string>& properties) = 0;

    // "ExecQuery" with `query`, read as InstancesOf reads its answer.
    virtual ManagementResult<std::vector<ManagementInstance>> ExecQuery(const std::string& moniker,
                                                                        const std::string& query,
                                                                        const std::vector<std::string>& properties) = 0;
};

}  // namespace brivex
