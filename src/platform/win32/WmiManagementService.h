#pragma once

#include "platform/ManagementService.h"

namespace brivex {

// WMI through its scripting objects, late-bound. Each request enters the
// multithreaded COM apartment on the calling thread, binds its own connection,
// and releases both before returning: it works from any thread (the windows
// ask from a worker of their own, the command line from its one thread), keeps
// nothing between requests, and a run that never asks never pays for COM. A
// thread already in a single-threaded apartment asks from there.
class WmiManagementService final : public ManagementService {
public:
    ManagementResult<std::int32_t> CreateRestorePoint(const std::string& description, std::int32_t restorePointType,
                                                      std::int16_t eventType) override;
    ManagementResult<std::vector<ManagementInstance>> InstancesOf(const std::string& moniker,
                                                                  const std::string& className,
                                                                  const std::vector<std::string>& properties) override;
    ManagementResult<std::vector<ManagementInstance>> ExecQuery(const std::string& moniker, const std::string& query,
                                                                const std::vector<std::string>& properties) override;
};

}  // namespace brivex
