#include "platform/win32/Win32Shell.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace brivex {
namespace {

constexpr wchar_t kListenerClass[] = L"BrivexSettingsListener";

std::vector<std::wstring>& Heard() {
    static std::vector<std::wstring> heard;
    return heard;
}

LRESULT CALLBACK Listen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTINGCHANGE) Heard().push_back(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"<null>");
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeListener() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Listen;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kListenerClass;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, kListenerClass, L"listener", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(Win32Shell_SettingsChanged, TopLevelWindowsHearThePolicyArea) {
    HWND listener = MakeListener();
    ASSERT_NE(listener, nullptr);
    Heard().clear();
    Win32Shell().AnnounceSettingsChanged();
    DestroyWindow(listener);
    EXPECT_EQ(Heard(), (std::vector<std::wstring>{L"Policy"}));
}

TEST(Win32Shell_SettingsChanged, AWindowThatDoesNotAnswerHoldsTheCallerOnlyBriefly) {
    std::atomic<bool> ready = false;
    std::atomic<bool> release = false;
    std::thread busy([&] {
        HWND window = MakeListener();
        ready = true;
        // A thread at work that reads no messages for up to five seconds.
        for (int waited = 0; waited < 5000 && !release; waited += 10) Sleep(10);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        DestroyWindow(window);
    });
    while (!ready) Sleep(10);
    const DWORD start = GetTickCount();
    Win32Shell().AnnounceSettingsChanged();
    const DWORD took = GetTickCount() - start;
    release = true;
    busy.join();
    EXPECT_LT(took, 1500u);
}

}  // namespace
}  // namespace brivex
