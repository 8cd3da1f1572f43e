#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <map>

#include "ui/EventLoop.h"

namespace brivex::ui {

// The real message loop. Timers live on a hidden message window; a tick whose
// timer was stopped meanwhile is dropped, so a stopped timer never fires. A
// tick or a posted action that throws is abandoned (ErrorBarrier.h). Without
// its message window (the system refused it) the loop says so once and then
// starts no timer and runs no posted action.
class Win32Loop final : public EventLoop {
public:
    Win32Loop();
    ~Win32Loop() override;
    Win32Loop(const Win32Loop&) = delete;
    Win32Loop& operator=(const Win32Loop&) = delete;

    void DoEvents() override;
    TimerId StartTimer(Millis interval, std::function<void()> tick) override;
    void StopTimer(TimerId id) override;
    void Post(std::function<void()> action) override;
    void Run() override;
    void Quit() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void Dispatch(MSG& message);
    void Tick(TimerId id);
    void RunPosted();

    HWND window_ = nullptr;
    TimerId nextId_ = 1;
    std::map<TimerId, std::function<void()>> timers_;
    std::deque<std::function<void()>> posted_;
    bool quitting_ = false;
};

}  // namespace brivex::ui
