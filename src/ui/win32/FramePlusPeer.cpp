#include "ui/win32/FramePlusPeer.h"

#include "platform/win32/WideText.h"
#include "ui/win32/ButtonPlusPainter.h"

namespace brivex::ui {

namespace {

constexpr wchar_t kClassName[] = L"BrivexFrame";

}  // namespace

FramePlusPeer::FramePlusPeer(FramePlus& frame, PeerSite& site) : PeerWindow(frame, site), frame_(frame) {
    static const bool registered = RegisterOwnClass(kClassName);
    if (registered && Create(kClassName, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT)) {
        Backdrop::Attach(Handle(), &backdrop_);
        RebuildBackdrop();
    }
}

FramePlusPeer::~FramePlusPeer() {
    if (Handle()) Backdrop::Attach(Handle(), nullptr);
}

void FramePlusPeer::SetText(const std::string& text) {
    ShowText(text);
    Refresh();
}

void FramePlusPeer::Refresh() {
    RebuildBackdrop();
    // What stands on the plate copies its part of it.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void FramePlusPeer::RebuildBackdrop() {
    RECT client;
    GetClientRect(Handle(), &client);
    HDC screen = GetDC(Handle());
    backdrop_.Resize(screen, client.right, client.bottom);
    ReleaseDC(Handle(), screen);
    Backdrop::PaintBehind(Handle(), backdrop_.Dc());
    PaintFramePanel(backdrop_.Dc(), client, WindowText(Handle()), Font(), Site().Dpi());
}

LRESULT FramePlusPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(Handle(), &paint);
            RECT client;
            GetClientRect(Handle(), &client);
            backdrop_.CopyBehind(dc, client);
            EndPaint(Handle(), &paint);
            return 0;
        }
        // Themed check boxes and option buttons ask their parent to print what lies behind them.
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(Handle(), &client);
            backdrop_.CopyBehind(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: frame_.PressedOnBackground(); return 0;
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return SendMessageW(GetParent(Handle()), message, wParam, lParam);
        default: break;
    }
    return ControlWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace brivex::ui
