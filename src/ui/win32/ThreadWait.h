#pragma once

#include <windows.h>

#include <vector>

namespace brivex::ui {

// The calling thread's windows while it waits on work done elsewhere
// (Win32Loop::RunAside), for as long as this lives: those on screen are
// disabled, so neither the mouse nor the keyboard reaches them, and the
// pointer over them is the hourglass. Afterwards the windows it disabled are
// enabled again, those it found disabled stay so, and the focus goes back
// where it was.
class ThreadWait {
public:
    ThreadWait();
    ~ThreadWait();
    ThreadWait(const ThreadWait&) = delete;
    ThreadWait& operator=(const ThreadWait&) = delete;

    // True while the calling thread waits.
    static bool InProgress();

private:
    std::vector<HWND> disabled_;
    HWND focus_ = nullptr;
};

}  // namespace brivex::ui
