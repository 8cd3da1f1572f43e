#include "ui/win32/ButtonPlusPeer.h"

#include "graphics/win32/Gdi.h"
#include "platform/win32/WideText.h"
#include "ui/win32/Backdrop.h"
#include "ui/win32/ButtonPlusPainter.h"
#include "ui/win32/ErrorBarrier.h"

namespace brivex::ui {

// The button's window procedure is replaced rather than subclassed through
// the common controls, which look their chain up in a window property on every
// message: a round trip to the server under Wine. The replacement stays until
// the window goes, so that a subclass put on top of it later (a tooltip's)
// keeps its chain; once the peer is gone, the system's procedure alone answers.
ButtonPlusPeer::ButtonPlusPeer(ButtonPlus& button, PeerSite& site) : PeerWindow(button, site), button_(button) {
    if (!Create(L"BUTTON", BS_OWNERDRAW | WS_TABSTOP | WS_GROUP)) return;
    systemProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonPlusPeer::SubclassProc)));
}

void ButtonPlusPeer::SetText(const std::string&) { ShowName(); }

void ButtonPlusPeer::SetToolTip(const std::string& text) {
    ShowToolTip(text);
    ShowName();
}

void ButtonPlusPeer::ShowName() {
    const std::string name = button_.AccessibleName();
    if (name_ == name) return;
    name_ = name;
    ShowText(name);
}

void ButtonPlusPeer::Command(int code) {
    if (code == BN_CLICKED) button_.Click();
}

bool ButtonPlusPeer::DrawItem(const DRAWITEMSTRUCT& item) {
    RECT client = item.rcItem;
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    OffscreenDc buffer(item.hDC, width, height);
    Backdrop::PaintBehind(Handle(), buffer.Get());
    ButtonPlusState state;
    state.pressed = item.itemState & ODS_SELECTED;
    state.disabled = item.itemState & ODS_DISABLED;
    state.focused = (item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT);
    state.hover = hover_;
    // The window text is the caption whenever there is one, already in the form the drawing takes.
    const std::wstring caption = button_.Caption().empty() ? std::wstring() : WindowText(Handle());
    PaintButtonPlus(buffer.Get(), RECT{0, 0, width, height}, {caption, button_.PictureName()}, Font(), state,
                    Site().Dpi());
    BitBlt(item.hDC, client.left, client.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
    return true;
}

LRESULT CALLBACK ButtonPlusPeer::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only a button peer puts this procedure on its window.
    auto* self = static_cast<ButtonPlusPeer*>(ControlWindow::Of(window));
    if (!self) {
        const auto systemProc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
        return CallWindowProcW(systemProc, window, message, wParam, lParam);
    }
    LRESULT result = 0;
    RunGuarded([&] { result = self->Subclassed(message, wParam, lParam); });
    return result;
}

LRESULT ButtonPlusPeer::Pass(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(systemProc_, Handle(), message, wParam, lParam);
}

LRESULT ButtonPlusPeer::Subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (!hover_) {
                hover_ = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
                TrackMouseEvent(&track);
                Repaint();
            }
            break;
        case WM_MOUSELEAVE:
            hover_ = false;
            Repaint();
            break;
        case WM_ERASEBKGND: return 1;  // the drawn face covers everything
        case WM_GETDLGCODE: {
            // Enter presses the button that has the focus, as it does a system
            // push button; a drawn button must ask the dialog keys for it.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            const LRESULT code = Pass(message, wParam, lParam);
            return key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? code | DLGC_WANTMESSAGE : code;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                SendMessageW(Handle(), BM_CLICK, 0, 0);
                return 0;
            }
            break;
        default: break;
    }
    return Pass(message, wParam, lParam);
}

}  // namespace brivex::ui
