#pragma once

#include <functional>

#include "ui/Control.h"
#include "ui/EventLoop.h"

namespace brivex::ui {

// A form's timer: a member of the control collection without any text, so
// translation passes it by. Enabling starts the count; changing the interval
// of a running timer starts the count again; missed ticks are not made up.
class Timer final : public Control {
public:
    Timer(Form& form, std::string name, EventLoop& loop, Millis interval, bool enabled);
    ~Timer() override;

    bool Enabled() const { return running_; }
    void SetEnabled(bool enabled);
    Millis Interval() const { return interval_; }
    void SetInterval(Millis interval);

    std::function<void()> OnTick;

private:
    void Start();
    void Stop();

    EventLoop& loop_;
    Millis interval_;
    bool running_ = false;
    TimerId id_ = 0;
};

}  // namespace brivex::ui
