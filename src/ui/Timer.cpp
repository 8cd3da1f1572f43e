#include "ui/Timer.h"

namespace brivex::ui {

Timer::Timer(Form& form, std::string name, EventLoop& loop, Millis interval, bool enabled)
    : Control(form, std::move(name), std::nullopt, {}), loop_(loop), interval_(interval) {
    if (enabled) Start();
}

Timer::~Timer() { Stop(); }

void Timer::SetEnabled(bool enabled) {
    if (enabled == running_) return;
    if (enabled) Start();
    else Stop();
}

void Timer::SetInterval(Millis interval) {
    if (interval == interval_) return;
    interval_ = interval;
    if (running_) {
        Stop();
        Start();
    }
}

void Timer::Start() {
    // An interval of 0 keeps the timer switched on but silent, as the system does.
    running_ = true;
    if (interval_ > 0)
        id_ = loop_.StartTimer(interval_, [this] {
            if (OnTick) OnTick();
        });
}

void Timer::Stop() {
    if (id_ != 0) loop_.StopTimer(id_);
    id_ = 0;
    running_ = false;
}

}  // namespace brivex::ui
