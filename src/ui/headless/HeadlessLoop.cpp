#include "ui/headless/HeadlessLoop.h"

#include <utility>

namespace brivex::ui {

void HeadlessLoop::DoEvents() {
    if (wait_) return DropInput();
    // Only what is pending now runs; actions queued by these run at the next yield.
    std::deque<std::function<void()>> pending;
    pending.swap(queue_);
    for (std::function<void()>& action : pending) action();
    FireLateTimers();
}

bool HeadlessLoop::RunAside(std::function<void()> work, std::optional<Millis> limit) {
    Wait wait{limit ? std::optional(now_ + *limit) : std::nullopt};
    struct Restore {
        HeadlessLoop& loop;
        Wait* outer;
        ~Restore() {
            loop.wait_ = outer;
            loop.DropInput();
        }
    } restore{*this, std::exchange(wait_, &wait)};
    work();
    return !wait.overran;
}

void HeadlessLoop::Elapse(Millis duration) {
    now_ += duration;
    if (!wait_ || !wait_->deadline || now_ <= *wait_->deadline) return;
    now_ = *wait_->deadline;
    wait_->overran = true;
}

void HeadlessLoop::DropInput() { queue_.clear(); }

void HeadlessLoop::FireLateTimers() {
    std::vector<TimerId> late;
    for (const auto& [id, entry] : timers_)
        if (entry.due <= now_) late.push_back(id);
    for (const TimerId id : late) {
        const auto it = timers_.find(id);
        if (it == timers_.end() || it->second.due > now_) continue;  // stopped or restarted meanwhile
        it->second.due = now_ + it->second.interval;
        const std::function<void()> tick = it->second.tick;
        tick();
    }
}

TimerId HeadlessLoop::StartTimer(Millis interval, std::function<void()> tick) {
    const TimerId id = nextId_++;
    timers_[id] = Entry{interval, now_ + interval, std::move(tick)};
    return id;
}

void HeadlessLoop::StopTimer(TimerId id) { timers_.erase(id); }

TimerId HeadlessLoop::EarliestDueNoLaterThan(Millis end) const {
    TimerId best = 0;
    Millis bestDue = end + 1;
    for (const auto& [id, entry] : timers_) {
        if (entry.due < bestDue) {  // ids grow with start order, so ties keep the earlier start
            best = id;
            bestDue = entry.due;
        }
    }
    return best;
}

void HeadlessLoop::AdvanceBy(Millis duration) {
    const Millis end = now_ + duration;
    while (const TimerId id = EarliestDueNoLaterThan(end)) {
        Entry& entry = timers_.at(id);
        now_ = entry.due;
        entry.due += entry.interval;  // reschedule first: the tick may stop or restart it
        const std::function<void()> tick = entry.tick;
        tick();
        DoEvents();
    }
    now_ = end;
    DoEvents();
}

}  // namespace brivex::ui
