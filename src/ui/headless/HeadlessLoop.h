#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "ui/EventLoop.h"

namespace brivex::ui {

// The event loop of the native tests: a virtual clock that only moves when the
// test says so, and a queue of user actions that run inside the next
// DoEvents(), exactly where the real program lets pending input in.
class HeadlessLoop final : public EventLoop {
public:
    void DoEvents() override;
    TimerId StartTimer(Millis interval, std::function<void()> tick) override;
    void StopTimer(TimerId id) override;
    // Runs the work here and now; the time it takes is what it spends through
    // Elapse(). User actions queued before its end are dropped.
    bool RunAside(std::function<void()> work, std::optional<Millis> limit) override;
    // Runs what is queued, then the ticks that have fallen due (each once: a
    // late timer is not made to catch up); the virtual clock does not move.
    void Run() override { DoEvents(); }
    void Quit() override { quit_ = true; }

    // Queues a user action (a click, a key) to run at the next yield.
    void Queue(std::function<void()> action) { queue_.push_back(std::move(action)); }
    // Moves the clock forward, firing due timers in order of due time (then of
    // start), each followed by a yield.
    void AdvanceBy(Millis duration);
    // Time passing inside a handler (slow work): no timer fires until the next
    // yield. Inside a wait with a limit the clock stops at the limit: the
    // program waits no longer, and what the work does after is not its time.
    void Elapse(Millis duration);

    Millis Now() const { return now_; }
    bool QuitRequested() const { return quit_; }
    std::size_t RunningTimers() const { return timers_.size(); }

private:
    struct Entry {
        Millis interval;
        Millis due;
        std::function<void()> tick;
    };
    struct Wait {
        std::optional<Millis> deadline;
        bool overran = false;
    };
    TimerId EarliestDueNoLaterThan(Millis end) const;
    void FireLateTimers();
    void DropInput();

    Millis now_ = 0;
    TimerId nextId_ = 1;
    std::map<TimerId, Entry> timers_;
    std::deque<std::function<void()>> queue_;
    Wait* wait_ = nullptr;
    bool quit_ = false;
};

}  // namespace brivex::ui
