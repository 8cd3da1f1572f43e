#pragma once
// A form on screen under Wine, and the user's hand on it: real input messages
// sent to the controls' windows, and the message loop let run as the program
// would let it.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/Win32FormHost.h"
#include "ui/win32/Win32Loop.h"

namespace brivex::ui::testing {

inline HWND WindowOf(const Control& control) { return FormWindow::HandleOf(control); }
inline HWND WindowOf(const Form& form) { return FormWindow::HandleOf(form); }

inline std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

inline LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

// The left button pressed and released at a point of the window's client area.
inline void ClickAt(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, Point(x, y));
}

inline void Click(HWND window) { ClickAt(window, 2, 2); }

class FormTest : public ::testing::Test {
protected:
    // Before the fixture's forms go: the host still knows them.
    void TearDown() override { host.EndProgram(); }

    // Lets the loop handle what is queued, as the program does between events.
    void Pump() {
        for (int i = 0; i < 3; ++i) {
            loop.DoEvents();
            Sleep(10);
        }
    }

    // A key as the keyboard gives it: queued for the window with the focus,
    // so that the loop's dialog keys see it before the control does.
    void Press(UINT key) {
        HWND focus = GetFocus();
        ASSERT_NE(focus, nullptr) << "no control has the focus";
        PostMessageW(focus, WM_KEYDOWN, key, 1);
        PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
        Pump();
    }

    void Type(wchar_t character) {
        HWND focus = GetFocus();
        ASSERT_NE(focus, nullptr) << "no control has the focus";
        PostMessageW(focus, WM_CHAR, character, 1);
        Pump();
    }

    Win32Loop loop;
    Win32FormHost host{loop};
};

}  // namespace brivex::ui::testing
