#pragma once
// A form on screen under Wine, and the user's hand on it: real input messages
// sent to the controls' windows, and the message loop let run as the program
// would let it.

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/Win32FormHost.h"
#include "ui/win32/Win32Loop.h"

namespace brivex::ui::testing {

inline HWND WindowOf(const Form& form) { return FormWindow::HandleOf(form); }

// The window of a control of a form on screen, found by its identifier as the
// user's tools find it; null when it has none.
inline HWND WindowOf(const Control& control) {
    const auto* form = dynamic_cast<const FormWindow*>(control.Owner().Peer());
    if (!form) return nullptr;
    struct Search {
        int id;
        HWND found;
    } search{form->IdFor(control), nullptr};
    EnumChildWindows(
        form->Handle(),
        [](HWND child, LPARAM wanted) {
            auto& search = *reinterpret_cast<Search*>(wanted);
            if (GetDlgCtrlID(child) != search.id) return TRUE;
            search.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

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

// What a message box showed.
struct BoxSeen {
    std::wstring title;
    std::wstring text;
    bool informationIcon = false;
};

// The message box of this thread, if one is open: what it says, then closed with OK.
inline std::optional<BoxSeen> CloseMessageBox() {
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (!box) return std::nullopt;
    BoxSeen seen{TextOf(box), TextOf(GetDlgItem(box, 0xFFFF))};
    HICON information = LoadIconW(nullptr, IDI_INFORMATION);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == information) seen.informationIcon = true;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return seen;
}

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
