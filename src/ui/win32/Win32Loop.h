#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>

#include "ui/EventLoop.h"

namespace brivex::ui {

// The real message loop. Timers live on a hidden message window; a tick whose
// timer was stopped meanwhile is dropped, so a stopped timer never fires.
class Win32Loop final : public EventLoop {
public:
    Win32Loop();
    ~Win32Loop() override;

    void DoEvents() override;
    TimerId StartTimer(Millis interval, std::function<void()> tick) override;
    void StopTimer(TimerId id) override;
    void Post(std::function<void()> action) override;
    void Run() override;
    void Quit() override;

private:
    static std::intptr_t __stdcall WindowProc(void* window, unsigned message, std::uintptr_t wParam,
                                              std::intptr_t lParam);
    void Dispatch(const void* message);
    void RunPosted();

    void* window_ = nullptr;
    TimerId nextId_ = 1;
    std::map<TimerId, std::function<void()>> timers_;
    std::deque<std::function<void()>> posted_;
    bool quitting_ = false;
};

}  // namespace brivex::ui
