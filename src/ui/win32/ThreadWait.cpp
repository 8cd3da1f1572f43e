#include "ui/win32/ThreadWait.h"

namespace brivex::ui {

namespace {

thread_local int waits = 0;

// Asks the window under the pointer, when it is one of this thread's, to set
// the pointer again, as moving the mouse would.
void RefreshPointer() {
    POINT at;
    if (!GetCursorPos(&at)) return;
    HWND under = WindowFromPoint(at);
    if (!under || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId()) return;
    const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
}

}  // namespace

ThreadWait::ThreadWait() : focus_(GetFocus()) {
    ++waits;
    // Before the windows are disabled: the system finds no disabled window under the pointer.
    RefreshPointer();
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM disabled) {
            if (IsWindowVisible(window) && IsWindowEnabled(window))
                reinterpret_cast<std::vector<HWND>*>(disabled)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled_));
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

ThreadWait::~ThreadWait() {
    for (HWND window : disabled_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    --waits;
    // Disabling a window takes the focus from it; the window still in front gets it back.
    if (focus_ && IsWindow(focus_) && !GetFocus() && GetActiveWindow() == GetAncestor(focus_, GA_ROOT) &&
        IsWindowEnabled(GetActiveWindow()))
        SetFocus(focus_);
    RefreshPointer();
}

bool ThreadWait::InProgress() { return waits > 0; }

}  // namespace brivex::ui
