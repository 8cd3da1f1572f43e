#pragma once

#include "platform/ManagementService.h"

namespace brivex {

// WMI through its scripting objects, late-bound. COM must already be
// initialised on the calling thread (ComApartment); without it every request
// fails with CO_E_NOTINITIALIZED. Each request binds its own connection and
// releases it before returning.
class WmiManagementService final : public ManagementService {
public:
    ManagementResult<std::int32_t> CreateRestorePoint(const std::string& description, std::int32_t restorePointType,
                                                      std::int16_t eventType) override;
    ManagementResult<std::vector<SystemRestoreInstance>> InstancesOfSystemRestore() override;
    ManagementResult<std::vector<ManagementInstance>> ExecQuery(const std::string& moniker, const std::string& query,
                                                                const std::vector<std::string>& properties) override;
};

}  // namespace brivex
