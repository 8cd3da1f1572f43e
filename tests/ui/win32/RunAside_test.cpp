// The windows' thread waiting on work run aside, under Wine: what the system
// sees of the thread's windows meanwhile, and what the program does with what
// arrives.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/portable/ScriptedManagementService.h"
#include "program/WaitingManagementService.h"
#include "ui/Form.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/Win32FormHost.h"
#include "ui/win32/Win32Loop.h"

namespace brivex::ui {
namespace {

// A window of this thread, made on screen or not, that counts the paints and
// the input its procedure gets and runs `onCall` when sent kCall.
struct CountingWindow {
    static constexpr UINT kCall = WM_APP + 7;

    explicit CountingWindow(bool visible) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &Proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"BrivexCountingWindow";
        RegisterClassW(&windowClass);
        handle = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                                 20, 20, 200, 150, nullptr, nullptr, windowClass.hInstance, this);
    }
    ~CountingWindow() { DestroyWindow(handle); }

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<CountingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_PAINT) ++self->paints;  // and painted below: validated
        if (self && message == kCall) self->onCall();
        if (self && ((message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
                     (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)))
            ++self->inputs;
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND handle = nullptr;
    std::atomic<int> paints{0};
    int inputs = 0;
    std::function<void()> onCall;
};

void Pump(Win32Loop& loop) {
    for (int i = 0; i < 5; ++i, Sleep(10)) loop.DoEvents();
}

TEST(Win32Loop_RunAside, AWindowOfTheThreadKeepsAnsweringAndRepaintingThroughASevenSecondRequest) {
    Win32Loop loop;
    CountingWindow window(true);
    Pump(loop);
    const int paintsBefore = window.paints;
    ScriptedManagementService service;
    service.TakeForCreation(7000);
    service.PassTimeThrough([&](std::int64_t milliseconds) {
        InvalidateRect(window.handle, nullptr, FALSE);
        Sleep(static_cast<DWORD>(milliseconds));
    });
    int hungAtSixSeconds = -1;
    int paintsAtSixSeconds = -1;
    std::thread watcher([&] {
        Sleep(6000);
        paintsAtSixSeconds = window.paints;
        hungAtSixSeconds = IsHungAppWindow(window.handle);
    });
    EXPECT_TRUE(WaitingManagementService(service, loop).CreateRestorePoint("Nom", 0, 100));
    watcher.join();
    EXPECT_EQ(hungAtSixSeconds, 0) << "the system would call the window not responding";
    EXPECT_GT(paintsAtSixSeconds, paintsBefore) << "invalidated during the request, painted during it";
}

TEST(Win32Loop_RunAside, NoInputAndNoTickRunMeanwhileNotEvenInADoEventsThenTheTicksDo) {
    Win32Loop loop;
    CountingWindow window(true);
    Pump(loop);
    int ticks = 0;
    loop.StartTimer(20, [&] { ++ticks; });
    std::vector<int> seenInTheYield;
    window.onCall = [&] {  // on this thread, sent from the work while the thread waits
        loop.DoEvents();
        seenInTheYield = {window.inputs, ticks};
    };
    loop.RunAside(
        [&] {
            PostMessageW(window.handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            PostMessageW(window.handle, WM_KEYDOWN, 'A', 0);
            Sleep(300);  // ticks fall due, and the wait looks at its queue
            SendMessageW(window.handle, CountingWindow::kCall, 0, 0);
        },
        std::nullopt);
    EXPECT_EQ(seenInTheYield, (std::vector<int>{0, 0}));
    Sleep(40);
    Pump(loop);
    EXPECT_EQ(window.inputs, 0) << "dropped, not replayed after the wait";
    EXPECT_GE(ticks, 1);
}

TEST(Win32Loop_RunAside, TheWindowsOnScreenAreDisabledMeanwhileAndEachIsLeftAsItWasAfter) {
    Win32Loop loop;
    CountingWindow enabled(true), disabled(true), hidden(false);
    EnableWindow(disabled.handle, FALSE);
    const auto states = [&] {
        return std::vector<bool>{!!IsWindowEnabled(enabled.handle), !!IsWindowEnabled(disabled.handle),
                                 !!IsWindowEnabled(hidden.handle)};
    };
    std::vector<bool> duringTheWait;
    loop.RunAside([&] { duringTheWait = states(); }, std::nullopt);
    EXPECT_EQ(duringTheWait, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(states(), (std::vector<bool>{true, false, true}));
}

TEST(Win32Loop_RunAside, AFormAskedToCloseMeanwhileStaysOpen) {
    Win32Loop loop;
    Win32FormHost host(loop);
    Form form("FrmTest", "Brivex Doziv test window");
    ASSERT_TRUE(host.Show(form));
    loop.RunAside([window = FormWindow::HandleOf(form)] { SendMessageW(window, WM_CLOSE, 0, 0); }, std::nullopt);
    EXPECT_TRUE(form.Loaded());
    host.EndProgram();
}

TEST(Win32Loop_RunAside, AWaitWithALimitEndsThereWhileTheWorkRunsOnOnWhatItOwns) {
    Win32Loop loop;
    auto finished = std::make_shared<std::atomic<bool>>(false);
    const DWORD start = GetTickCount();
    const auto work = [finished] {
        Sleep(1500);
        *finished = true;
    };
    EXPECT_FALSE(loop.RunAside(work, 300));
    EXPECT_LT(GetTickCount() - start, 1200u);
    EXPECT_FALSE(*finished);
    for (int i = 0; i < 300 && !*finished; ++i) Sleep(10);
    EXPECT_TRUE(*finished) << "given up on, the work still ends";
}

TEST(Win32Loop_RunAside, WhatTheWorkThrowsOnItsThreadIsThrownAgainOnTheWaitingOne) {
    Win32Loop loop;
    DWORD worker = GetCurrentThreadId();
    const auto work = [&] {
        worker = GetCurrentThreadId();
        throw std::runtime_error("refus");
    };
    EXPECT_THROW(loop.RunAside(work, std::nullopt), std::runtime_error);
    EXPECT_NE(worker, GetCurrentThreadId());
}

}  // namespace
}  // namespace brivex::ui
