#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace brivex::ui {

using Millis = std::int64_t;
using TimerId = std::uint64_t;

// The one thread's event loop. Handlers that run long yield to it at fixed
// points with DoEvents(), and whatever is pending (a timer tick, a click) runs
// right there, inside the handler, as it would in the real program.
class EventLoop {
public:
    virtual ~EventLoop() = default;

    virtual void DoEvents() = 0;
    // Starts a periodic timer; the first tick comes one interval from now.
    virtual TimerId StartTimer(Millis interval, std::function<void()> tick) = 0;
    // A stopped timer never fires again, not even a tick already pending.
    virtual void StopTimer(TimerId id) = 0;
    // Runs `work` away from this thread and waits for it, for `limit` at most
    // when one is given; true when the work ended in time. Meanwhile the
    // windows keep painting and answering the system, but the program acts on
    // nothing: input that arrives is dropped, not kept for later, and no timer
    // ticks, a DoEvents() included. Work given up on
    // runs on to its end unwatched, so it must own everything it touches.
    virtual bool RunAside(std::function<void()> work, std::optional<Millis> limit) = 0;
    virtual void Run() = 0;
    virtual void Quit() = 0;
};

}  // namespace brivex::ui
