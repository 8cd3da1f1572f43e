#include "ui/win32/LabelPeer.h"

#include <windowsx.h>

#include "graphics/win32/Gdi.h"
#include "platform/win32/WideText.h"
#include "ui/win32/Backdrop.h"

namespace brivex::ui {

namespace {

constexpr wchar_t kClassName[] = L"BrivexLabel";

UINT TextAlignment(Appearance::Align align) {
    switch (align) {
        case Appearance::Align::Center: return DT_CENTER;
        case Appearance::Align::Right: return DT_RIGHT;
        default: return DT_LEFT;
    }
}

}  // namespace

LabelPeer::LabelPeer(Label& label, PeerSite& site) : PeerWindow(label, site), label_(label) {
    static const bool registered = RegisterOwnClass(kClassName);
    if (registered) Create(kClassName, 0);
}

LRESULT LabelPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: Paint(); return 0;
        case WM_SETTEXT: {
            const LRESULT result = ControlWindow::HandleMessage(message, wParam, lParam);
            Repaint();
            return result;
        }
        case WM_LBUTTONDOWN:
            // Held until the button comes up, wherever the pointer goes meanwhile.
            SetCapture(Handle());
            pressed_ = true;
            return 0;
        case WM_LBUTTONUP: Released(lParam); return 0;
        case WM_CAPTURECHANGED: pressed_ = false; return 0;
        case WM_SETCURSOR:
            if (label_.OnClick && LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
                return TRUE;
            }
            break;
        default: break;
    }
    return ControlWindow::HandleMessage(message, wParam, lParam);
}

void LabelPeer::Released(LPARAM point) {
    const bool pressedHere = pressed_;
    pressed_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    RECT client;
    GetClientRect(Handle(), &client);
    const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    // The capture ends before the handler runs: it may open a message box.
    if (pressedHere && PtInRect(&client, at)) label_.Click();
}

void LabelPeer::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT client;
    GetClientRect(Handle(), &client);
    OffscreenDc buffer(dc, client.right, client.bottom);
    Backdrop::PaintBehind(Handle(), buffer.Get());
    {
        Selected font(buffer.Get(), Font());
        SetBkMode(buffer.Get(), TRANSPARENT);
        SetTextColor(buffer.Get(), IsWindowEnabled(Handle()) ? label_.Look().foreColor : GetSysColor(COLOR_GRAYTEXT));
        RECT area = client;
        const std::wstring text = WindowText(Handle());
        const UINT format = DT_WORDBREAK | DT_NOPREFIX | TextAlignment(label_.Look().align);
        if (label_.Look().middle) {
            RECT needed = client;
            DrawTextW(buffer.Get(), text.c_str(), -1, &needed, format | DT_CALCRECT);
            area.top += CentredLineTop(client.bottom, needed.bottom - needed.top);
        }
        DrawTextW(buffer.Get(), text.c_str(), -1, &area, format);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
    EndPaint(Handle(), &paint);
}

}  // namespace brivex::ui
