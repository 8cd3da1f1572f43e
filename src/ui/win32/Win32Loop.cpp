#include "ui/win32/Win32Loop.h"

#include <windows.h>

namespace brivex::ui {

namespace {

constexpr wchar_t kClassName[] = L"BrivexDozivLoop";
constexpr UINT kRunPosted = WM_APP + 1;

}  // namespace

Win32Loop::Win32Loop() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = reinterpret_cast<WNDPROC>(&Win32Loop::WindowProc);
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(static_cast<HWND>(window_), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Loop::~Win32Loop() {
    for (const auto& [id, tick] : timers_) KillTimer(static_cast<HWND>(window_), id);
    DestroyWindow(static_cast<HWND>(window_));
}

std::intptr_t __stdcall Win32Loop::WindowProc(void* window, unsigned message, std::uintptr_t wParam,
                                              std::intptr_t lParam) {
    auto* loop = reinterpret_cast<Win32Loop*>(GetWindowLongPtrW(static_cast<HWND>(window), GWLP_USERDATA));
    if (loop && message == WM_TIMER) {
        const auto it = loop->timers_.find(wParam);
        if (it != loop->timers_.end()) {
            const std::function<void()> tick = it->second;  // the tick may stop its own timer
            tick();
        }
        return 0;
    }
    if (loop && message == kRunPosted) {
        loop->RunPosted();
        return 0;
    }
    return DefWindowProcW(static_cast<HWND>(window), message, wParam, lParam);
}

void Win32Loop::Dispatch(const void* message) {
    auto* msg = static_cast<MSG*>(const_cast<void*>(message));
    // A window whose controls the keyboard moves through (WS_EX_CONTROLPARENT
    // at the top) gets the dialog keys: Tab, the arrows within a group, Enter.
    if (HWND root = msg->hwnd ? GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
        root && (GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsDialogMessageW(root, msg))
        return;
    TranslateMessage(msg);
    DispatchMessageW(msg);
}

void Win32Loop::DoEvents() {
    MSG message;
    while (!quitting_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitting_ = true;
            PostQuitMessage(static_cast<int>(message.wParam));  // Run() must still see it
            break;
        }
        Dispatch(&message);
    }
}

TimerId Win32Loop::StartTimer(Millis interval, std::function<void()> tick) {
    const TimerId id = nextId_++;
    timers_[id] = std::move(tick);
    SetTimer(static_cast<HWND>(window_), id, static_cast<UINT>(interval), nullptr);
    return id;
}

void Win32Loop::StopTimer(TimerId id) {
    KillTimer(static_cast<HWND>(window_), id);
    timers_.erase(id);
}

void Win32Loop::Post(std::function<void()> action) {
    posted_.push_back(std::move(action));
    PostMessageW(static_cast<HWND>(window_), kRunPosted, 0, 0);
}

void Win32Loop::RunPosted() {
    if (posted_.empty()) return;
    std::function<void()> action = std::move(posted_.front());
    posted_.pop_front();
    action();
}

void Win32Loop::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(&message);
}

void Win32Loop::Quit() {
    quitting_ = true;
    PostQuitMessage(0);
}

}  // namespace brivex::ui
