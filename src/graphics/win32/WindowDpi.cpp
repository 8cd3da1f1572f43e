#include "graphics/win32/WindowDpi.h"

namespace brivex {

namespace {

// Looked up at run time: the program also runs where neither exists.
using DpiForWindow = UINT(WINAPI*)(HWND);
using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

template <typename Function>
Function Find(const wchar_t* module, const char* name, bool load) {
    HMODULE library = load ? LoadLibraryW(module) : GetModuleHandleW(module);
    return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

int WindowDpi(HWND window) {
    static const auto forWindow = Find<DpiForWindow>(L"user32", "GetDpiForWindow", false);
    if (forWindow) {
        if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
    }
    static const auto forMonitor = Find<DpiForMonitor>(L"shcore", "GetDpiForMonitor", true);
    UINT x = 0;
    UINT y = 0;
    constexpr int kEffectiveDpi = 0;
    if (forMonitor && SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)))
        return static_cast<int>(x);
    return ScreenDpi();
}

}  // namespace brivex
