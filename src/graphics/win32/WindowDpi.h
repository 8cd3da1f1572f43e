#pragma once

#include <windows.h>

namespace brivex {

// The dots per inch a window is shown at: its monitor's where the system
// keeps one per monitor (Windows 8.1 and later), the screen's elsewhere. A
// window takes it once when it is made and then follows WM_DPICHANGED.
int WindowDpi(HWND window);

}  // namespace brivex
