#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>

#include "ui/EventLoop.h"

namespace brivex::ui {

// The real message loop. Timers live on a hidden message window; a tick whose
// timer was stopped meanwhile is dropped, so a stopped timer never fires. A
// tick or a posted action that throws is abandoned (ErrorBarrier.h). Without
// its message window (the system refused it) the loop says so once and then
// starts no timer and runs no posted action.
//
// RunAside runs its work on a thread of its own and waits in a loop that
// looks at the queue at least five times a second (Windows calls a thread that
// stops looking for five seconds not responding and replaces its windows with
// ghosts): messages sent to the thread's windows are answered and invalidated
// windows repaint, input is taken from the queue and dropped, and timer ticks
// and posted messages wait for the wait's end (see ThreadWait.h for what the
// windows look like meanwhile). An exception the work throws is thrown again
// here when the wait sees the work's end.
class Win32Loop final : public EventLoop {
public:
    Win32Loop();
    ~Win32Loop() override;
    Win32Loop(const Win32Loop&) = delete;
    Win32Loop& operator=(const Win32Loop&) = delete;

    void DoEvents() override;
    TimerId StartTimer(Millis interval, std::function<void()> tick) override;
    void StopTimer(TimerId id) override;
    bool RunAside(std::function<void()> work, std::optional<Millis> limit) override;
    void Run() override;
    void Quit() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void Dispatch(MSG& message);
    void Tick(TimerId id);
    bool WaitFor(HANDLE finished, std::optional<Millis> limit);
    void ServeWhileWaiting();

    HWND window_ = nullptr;
    TimerId nextId_ = 1;
    std::map<TimerId, std::function<void()>> timers_;
    bool quitting_ = false;
    // The exit code of a quit a wait took from the queue, for the loop to meet after it.
    std::optional<WPARAM> quitDuringWait_;
};

}  // namespace brivex::ui
