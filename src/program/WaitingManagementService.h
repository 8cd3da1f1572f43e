#pragma once

#include <cstdint>

#include "platform/ManagementService.h"
#include "ui/EventLoop.h"

namespace brivex {

// The management service as the windows reach it: each request runs away from
// the windows' thread (EventLoop::RunAside), so that a restore point that
// takes a minute, or a service slow to wake, never freezes a window. Making a
// restore point takes what it takes; a listing or a query the service has not
// answered within kAnswerLimit fails with kTimedOut, as a request the service
// refused, and runs on to its end unwatched. The service wrapped must outlive
// every request, those given up on included.
class WaitingManagementService final : public ManagementService {
public:
    static constexpr ui::Millis kAnswerLimit = 60000;
    // wbemErrTimedout: what the management scripting objects answer for a request that took too long.
    static constexpr std::int32_t kTimedOut = static_cast<std::int32_t>(0x80043001);

    WaitingManagementService(ManagementService& service, ui::EventLoop& loop) : service_(service), loop_(loop) {}

    ManagementResult<std::int32_t> CreateRestorePoint(const std::string& description, std::int32_t restorePointType,
                                                      std::int16_t eventType) override;
    ManagementResult<std::vector<ManagementInstance>> InstancesOf(const std::string& moniker,
                                                                  const std::string& className,
                                                                  const std::vector<std::string>& properties) override;
    ManagementResult<std::vector<ManagementInstance>> ExecQuery(const std::string& moniker, const std::string& query,
                                                                const std::vector<std::string>& properties) override;

private:
    ManagementService& service_;
    ui::EventLoop& loop_;
};

}  // namespace brivex
