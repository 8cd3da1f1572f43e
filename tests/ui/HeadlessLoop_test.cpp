#include "ui/headless/HeadlessLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/Timer.h"

namespace brivex::ui {
namespace {

struct TimerForm : Form {
    explicit TimerForm(EventLoop& loop, Millis interval = 1000, bool enabled = false)
        : Form("FrmTest", "Test"), Timer1(*this, "Timer1", loop, interval, enabled) {}
    Timer Timer1;
};

TEST(HeadlessLoop_Timer, FiresOnIntervalBoundaryNotBefore) {
    HeadlessLoop loop;
    TimerForm form(loop);
    int ticks = 0;
    form.Timer1.OnTick = [&] { ++ticks; };
    form.Timer1.SetEnabled(true);
    loop.AdvanceBy(999);
    EXPECT_EQ(ticks, 0);
    loop.AdvanceBy(1);
    EXPECT_EQ(ticks, 1);
    loop.AdvanceBy(10000);
    EXPECT_EQ(ticks, 11);
}

TEST(HeadlessLoop_Timer, StoppedTimerNeverFiresEvenFromInsideAnotherTick) {
    HeadlessLoop loop;
    TimerForm a(loop, 100, true);
    TimerForm b(loop, 100, true);
    int bTicks = 0;
    a.Timer1.OnTick = [&] { b.Timer1.SetEnabled(false); };  // both due at 100: a runs first and stops b
    b.Timer1.OnTick = [&] { ++bTicks; };
    loop.AdvanceBy(1000);
    EXPECT_EQ(bTicks, 0);
}

TEST(HeadlessLoop_Timer, ATickMayStopItsOwnTimer) {
    HeadlessLoop loop;
    TimerForm form(loop, 150, true);
    int ticks = 0;
    form.Timer1.OnTick = [&] {
        if (++ticks == 3) form.Timer1.SetEnabled(false);
    };
    loop.AdvanceBy(5000);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(loop.RunningTimers(), 0u);
}

TEST(HeadlessLoop_Timer, ChangingTheIntervalRestartsTheCount) {
    HeadlessLoop loop;
    TimerForm form(loop, 1000, true);
    std::vector<Millis> at;
    form.Timer1.OnTick = [&] { at.push_back(loop.Now()); };
    loop.AdvanceBy(900);
    form.Timer1.SetInterval(300);  // next tick 300 after the change, not at 1000
    loop.AdvanceBy(700);
    EXPECT_EQ(at, (std::vector<Millis>{1200, 1500}));
}

TEST(HeadlessLoop_Timer, IntervalChangedFromItsOwnTickTakesEffectAtOnce) {
    HeadlessLoop loop;
    TimerForm form(loop, 150, true);
    std::vector<Millis> at;
    form.Timer1.OnTick = [&] {
        at.push_back(loop.Now());
        form.Timer1.SetInterval(100);
    };
    loop.AdvanceBy(400);
    EXPECT_EQ(at, (std::vector<Millis>{150, 250, 350}));
}

TEST(HeadlessLoop_Timer, EnablingTwiceDoesNotRestartAndDisabledTimerIsSilent) {
    HeadlessLoop loop;
    TimerForm form(loop, 1000, true);
    int ticks = 0;
    form.Timer1.OnTick = [&] { ++ticks; };
    loop.AdvanceBy(600);
    form.Timer1.SetEnabled(true);
    loop.AdvanceBy(400);
    EXPECT_EQ(ticks, 1);
    form.Timer1.SetEnabled(false);
    loop.AdvanceBy(5000);
    EXPECT_EQ(ticks, 1);
}

TEST(HeadlessLoop_Timer, SameDueTimeFiresInStartOrder) {
    HeadlessLoop loop;
    TimerForm first(loop, 500, true);
    TimerForm second(loop, 250, true);
    std::string order;
    first.Timer1.OnTick = [&] { order += "1"; };
    second.Timer1.OnTick = [&] { order += "2"; };
    loop.AdvanceBy(500);
    EXPECT_EQ(order, "212");
}

TEST(HeadlessLoop_DoEvents, QueuedActionsRunAtTheNextYieldOnly) {
    HeadlessLoop loop;
    std::string trace;
    loop.Queue([&] {
        trace += "a";
        loop.Queue([&] { trace += "c"; });  // queued while yielding: waits for the next yield
    });
    trace += "<";
    loop.DoEvents();
    trace += ">";
    loop.DoEvents();
    EXPECT_EQ(trace, "<a>c");
}

TEST(HeadlessLoop_DoEvents, AQueuedClickRunsInsideAHandlersYield) {
    HeadlessLoop loop;
    std::string trace;
    const auto handler = [&] {
        trace += "start,";
        loop.DoEvents();
        trace += "end";
    };
    loop.Queue([&] { trace += "click,"; });
    handler();
    EXPECT_EQ(trace, "start,click,end");
}

}  // namespace
}  // namespace brivex::ui

namespace brivex::ui {
namespace {

TEST(HeadlessLoop_DoEvents, ATickThatFellDueDuringSlowWorkRunsAtTheYieldOnceOnly) {
    HeadlessLoop loop;
    TimerForm form(loop, 150, true);
    std::vector<Millis> at;
    form.Timer1.OnTick = [&] { at.push_back(loop.Now()); };
    loop.Elapse(500);  // three intervals pass inside a handler
    EXPECT_TRUE(at.empty()) << "nothing fires without a yield";
    loop.DoEvents();
    EXPECT_EQ(at, (std::vector<Millis>{500}));
    loop.AdvanceBy(150);
    EXPECT_EQ(at, (std::vector<Millis>{500, 650})) << "counted again from the late tick";
}

}  // namespace
}  // namespace brivex::ui
