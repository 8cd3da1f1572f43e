#pragma once

#include <optional>

#include "platform/ManagementService.h"
#include "platform/win32/ComApartment.h"

namespace brivex {

// WMI through its scripting objects, late-bound. The first request enters a
// COM apartment on the calling thread (the windows' thread) and the service
// leaves it when it goes: most runs never ask, and never pay for COM at start.
// Each request binds its own connection and releases it before returning.
class WmiManagementService final : public ManagementService {
public:
    ManagementResult<std::int32_t> CreateRestorePoint(const std::string& description, std::int32_t restorePointType,
                                                      std::int16_t eventType) override;
    ManagementResult<std::vector<ManagementInstance>> InstancesOf(const std::string& moniker,
                                                                  const std::string& className,
                                                                  const std::vector<std::string>& properties) override;
    ManagementResult<std::vector<ManagementInstance>> ExecQuery(const std::string& moniker, const std::string& query,
                                                                const std::vector<std::string>& properties) override;

private:
    void EnterApartment();

    std::optional<ComApartment> apartment_;
};

}  // namespace brivex
