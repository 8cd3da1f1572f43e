#include "ui/win32/Win32Loop.h"

#include <chrono>
#include <exception>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>

#include "ui/RuntimeTexts.h"
#include "ui/win32/ErrorBarrier.h"
#include "ui/win32/ThreadWait.h"

namespace brivex::ui {

namespace {

constexpr wchar_t kClassName[] = L"BrivexDozivLoop";
// How long a waiting thread goes at most without looking at its queue.
constexpr DWORD kLookEvery = 200;
// Paints served in one look, so a window that never validates cannot hold the wait.
constexpr int kPaintsPerLook = 64;

// What a work run aside and its waiter share: the worker holds it as long as
// it runs, so a waiter that stopped waiting leaves nothing the worker needs.
struct Aside {
    explicit Aside(std::function<void()> task)
        : work(std::move(task)), finished(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    Aside(const Aside&) = delete;
    Aside& operator=(const Aside&) = delete;
    ~Aside() {
        if (finished) CloseHandle(finished);
    }
    void Run() {
        try {
            work();
        } catch (...) { fault = std::current_exception(); }
        SetEvent(finished);
    }

    std::function<void()> work;
    HANDLE finished;
    std::exception_ptr fault;
};

bool StartOnItsOwnThread(const std::shared_ptr<Aside>& aside) {
    if (!aside->finished) return false;
    try {
        std::thread([aside] { aside->Run(); }).detach();
        return true;
    } catch (const std::system_error&) { return false; }
}

bool HoldsSelection(HWND window) {
    wchar_t className[8] = {};
    if (!GetClassNameW(window, className, 8) || lstrcmpiW(className, L"Edit") != 0) return false;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

// Ctrl+C copies the selected text, as everywhere; with none selected, the
// window itself is asked to copy (WM_COPY), and may copy what it shows. Once
// per press: the keys held down repeat, and a window's copy may be slow to make.
bool IsWindowCopy(const MSG& message) {
    constexpr LPARAM kRepeated = 1 << 30;  // the key was already down
    return message.message == WM_KEYDOWN && message.wParam == 'C' && !(message.lParam & kRepeated) &&
           (GetKeyState(VK_CONTROL) & 0x8000) && !(GetKeyState(VK_MENU) & 0x8000) && !HoldsSelection(message.hwnd);
}

}  // namespace

Win32Loop::Win32Loop() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &Win32Loop::WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS)
        window_ =
            CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    if (!window_) {
        ReportError(runtimetexts::kNoMessageWindow);
        return;
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Loop::~Win32Loop() {
    // A quit this loop asked for and never met must not end the thread's next loop.
    MSG quit;
    if (quitting_) PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    if (!window_) return;
    for (const auto& [id, tick] : timers_) KillTimer(window_, id);
    DestroyWindow(window_);
}

LRESULT CALLBACK Win32Loop::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* loop = reinterpret_cast<Win32Loop*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (loop && message == WM_TIMER) {
        loop->Tick(wParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Loop::Tick(TimerId id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) return;
    const std::function<void()> tick = it->second;  // the tick may stop its own timer
    RunGuarded(tick);
}

void Win32Loop::Dispatch(MSG& message) {
    if (HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr; root && IsWindowCopy(message)) {
        SendMessageW(root, WM_COPY, 0, 0);
        return;
    }
    // A window whose controls the keyboard moves through (WS_EX_CONTROLPARENT
    // at the top) gets the dialog keys: Tab, the arrows within a group, Enter.
    if (HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        root && (GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsDialogMessageW(root, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32Loop::DoEvents() {
    if (ThreadWait::InProgress()) return ServeWhileWaiting();
    MSG message;
    while (!quitting_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitting_ = true;
            PostQuitMessage(static_cast<int>(message.wParam));  // Run() must still see it
            break;
        }
        Dispatch(message);
    }
}

TimerId Win32Loop::StartTimer(Millis interval, std::function<void()> tick) {
    const TimerId id = nextId_++;
    if (!window_) return id;
    timers_[id] = std::move(tick);
    SetTimer(window_, id, static_cast<UINT>(interval), nullptr);
    return id;
}

void Win32Loop::StopTimer(TimerId id) {
    if (window_) KillTimer(window_, id);
    timers_.erase(id);
}

bool Win32Loop::RunAside(std::function<void()> work, std::optional<Millis> limit) {
    auto aside = std::make_shared<Aside>(std::move(work));
    bool ended = true;
    {
        // In place before the work starts, and until the wait ends.
        const ThreadWait wait;
        if (StartOnItsOwnThread(aside)) ended = WaitFor(aside->finished, limit);
        else aside->Run();  // no thread to be had: the work runs here, as it would without a wait
    }
    if (quitDuringWait_) PostQuitMessage(static_cast<int>(*std::exchange(quitDuringWait_, std::nullopt)));
    if (ended && aside->fault) std::rethrow_exception(aside->fault);
    return ended;
}

bool Win32Loop::WaitFor(HANDLE finished, std::optional<Millis> limit) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    for (;;) {
        ServeWhileWaiting();
        DWORD slice = kLookEvery;
        if (limit) {
            const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
            const Millis left = *limit - waited.count();
            if (left <= 0) return WaitForSingleObject(finished, 0) == WAIT_OBJECT_0;
            if (left < slice) slice = static_cast<DWORD>(left);
        }
        // Woken only by what a look takes: a tick or a post left waiting must not wake it again and again.
        if (MsgWaitForMultipleObjects(1, &finished, FALSE, slice, QS_INPUT | QS_PAINT | QS_SENDMESSAGE) ==
            WAIT_OBJECT_0)
            return true;
    }
}

void Win32Loop::ServeWhileWaiting() {
    // Looking at the queue answers the messages sent to the thread's windows.
    MSG message;
    const auto quit = [this](const MSG& taken) {
        if (taken.message != WM_QUIT) return false;
        quitting_ = true;
        quitDuringWait_ = taken.wParam;
        return true;
    };
    // Input, whether it came from the devices or was posted as such, is what the program must not act on.
    static constexpr std::pair<UINT, UINT> kInput[] = {
        {WM_KEYFIRST, WM_KEYLAST}, {WM_MOUSEFIRST, WM_MOUSELAST}, {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK}};
    for (const auto& [first, last] : kInput)
        while (PeekMessageW(&message, nullptr, first, last, PM_REMOVE)) quit(message);
    for (int paints = 0;
         paints < kPaintsPerLook && PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE | PM_QS_PAINT);
         ++paints)
        if (!quit(message)) DispatchMessageW(&message);
}

void Win32Loop::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
}

void Win32Loop::Quit() {
    quitting_ = true;
    PostQuitMessage(0);
}

}  // namespace brivex::ui
