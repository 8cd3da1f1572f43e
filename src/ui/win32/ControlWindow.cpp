#include "ui/win32/ControlWindow.h"

#include <unordered_map>
#include <utility>

#include "platform/win32/WideText.h"
#include "ui/win32/ErrorBarrier.h"

namespace brivex::ui {

namespace {

// Every control window's peer, by handle. Not a window property: a window
// is asked for its peer on nearly every message it gets, and under Wine each
// property read is a round trip to the server.
std::unordered_map<HWND, ControlWindow*>& Peers() {
    static std::unordered_map<HWND, ControlWindow*> peers;
    return peers;
}

}  // namespace

ControlWindow::ControlWindow(const Control& control, PeerSite& site) : control_(control), site_(site) {}

ControlWindow::~ControlWindow() {
    if (!window_) return;
    Peers().erase(window_);
    if (IsWindow(window_)) DestroyWindow(window_);
}

ControlWindow* ControlWindow::Of(HWND window) {
    const auto found = Peers().find(window);
    return found == Peers().end() ? nullptr : found->second;
}

bool ControlWindow::RegisterOwnClass(const wchar_t* className) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &ControlWindow::OwnClassProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = className;
    return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool ControlWindow::Create(const wchar_t* windowClass, DWORD style, DWORD exStyle) {
    const Bounds& b = control_.Position();
    const std::string caption = control_.Get("Caption").value_or(control_.Get("Text").value_or(std::string{}));
    const std::wstring text = Widen(caption);
    font_ = site_.Font(control_.Look());
    // Made in the model's state, so binding the peer has nothing left to send.
    if (control_.Visible()) style |= WS_VISIBLE;
    if (!control_.Enabled()) style |= WS_DISABLED;
    HWND window = CreateWindowExW(
        exStyle, windowClass, text.c_str(), WS_CHILD | style, site_.Pixels(b.left), site_.Pixels(b.top),
        site_.Pixels(b.width), site_.Pixels(b.height), site_.ParentFor(control_),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(site_.IdFor(control_))), GetModuleHandleW(nullptr), this);
    if (!window) return false;
    Adopt(window);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    textAtCreation_ = caption;
    visibleAtCreation_ = control_.Visible();
    enabledAtCreation_ = control_.Enabled();
    return true;
}

void ControlWindow::Adopt(HWND window) {
    window_ = window;
    Peers()[window_] = this;
}

LRESULT CALLBACK ControlWindow::OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ControlWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->Adopt(window);
    }
    ControlWindow* self = Of(window);
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    RunGuarded([&] { result = self->HandleMessage(message, wParam, lParam); });
    return result;
}

LRESULT ControlWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The font it draws in, as a system control tells it, for automation and accessibility tools.
    if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(font_);
    return DefWindowProcW(window_, message, wParam, lParam);
}

void ControlWindow::Command(int) {}

bool ControlWindow::DrawItem(const DRAWITEMSTRUCT&) { return false; }

std::optional<LRESULT> ControlWindow::Colors(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, control_.Look().foreColor);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void ControlWindow::ShowText(const std::string& text) {
    if (std::exchange(textAtCreation_, std::nullopt) == text) return;
    SetWindowTextUtf8(window_, text);
}

void ControlWindow::ShowToolTip(const std::string& text) {
    if (window_) site_.SetToolTip(window_, text);
}

void ControlWindow::ShowVisible(bool visible) {
    if (std::exchange(visibleAtCreation_, std::nullopt) == visible) return;
    ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void ControlWindow::ShowEnabled(bool enabled) {
    if (std::exchange(enabledAtCreation_, std::nullopt) == enabled) return;
    EnableWindow(window_, enabled);
}

void ControlWindow::MoveTo(const Bounds& twips) {
    SetWindowPos(window_, nullptr, site_.Pixels(twips.left), site_.Pixels(twips.top), site_.Pixels(twips.width),
                 site_.Pixels(twips.height), SWP_NOZORDER | SWP_NOACTIVATE);
    Repaint();
}

// No window yet is none to draw: a null one would have every window drawn again.
void ControlWindow::Repaint() {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void ControlWindow::Restyle() {
    if (HFONT font = site_.Font(control_.Look()); font != font_) {
        font_ = font;
        SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    Refresh();
}

void ControlWindow::Refresh() { Repaint(); }

void ControlWindow::Rescale() {
    MoveTo(control_.Position());
    Restyle();
}

}  // namespace brivex::ui
