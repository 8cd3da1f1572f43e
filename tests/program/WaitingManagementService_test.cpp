#include "program/WaitingManagementService.h"

#include <gtest/gtest.h>

#include "platform/portable/ScriptedManagementService.h"
#include "ui/headless/HeadlessLoop.h"

namespace brivex {
namespace {

constexpr std::int32_t kTimedOut = static_cast<std::int32_t>(0x80043001);  // wbemErrTimedout
constexpr std::int32_t kRefused = static_cast<std::int32_t>(0x80041003);   // WBEM_E_ACCESS_DENIED

// A restore point takes what it takes (the backup window's tests); a query, as a listing, a minute at most.
TEST(WaitingManagementService_Limits, AQueryUnansweredWithinAMinuteFailsThereAndAnyOtherAnswerPassesAsItIs) {
    struct Case {
        std::int64_t serviceTakes;
        bool serviceRefuses;
        std::int32_t answer;  // the instances counted, or the status of the failure
    };
    for (const Case c : {Case{60000, false, 1}, Case{90000, false, kTimedOut}, Case{1000, true, kRefused}}) {
        ui::HeadlessLoop loop;
        ScriptedManagementService service;
        service.PassTimeThrough([&](std::int64_t milliseconds) { loop.Elapse(milliseconds); });
        service.TakeForQueries(c.serviceTakes);
        service.AnswerQuery("q", {{{"Name", std::string("BIOS")}}});
        if (c.serviceRefuses) service.FailQuery("q", kRefused);
        const auto instances = WaitingManagementService(service, loop).ExecQuery("m", "q", {"Name"});
        EXPECT_EQ(instances ? static_cast<std::int32_t>(instances.Value().size()) : instances.Failure().status,
                  c.answer);
        EXPECT_EQ(loop.Now(), std::min<std::int64_t>(c.serviceTakes, 60000));
    }
}

}  // namespace
}  // namespace brivex
