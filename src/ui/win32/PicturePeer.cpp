#include "ui/win32/PicturePeer.h"

#include "graphics/win32/Art.h"
#include "graphics/win32/Gdi.h"
#include "ui/win32/Backdrop.h"

namespace brivex::ui {

namespace {

constexpr wchar_t kClassName[] = L"BrivexPicture";

}  // namespace

PicturePeer::PicturePeer(Picture& picture, PeerSite& site) : PeerWindow(picture, site), picture_(picture) {
    if (picture.Visible()) MakeWindow();
}

bool PicturePeer::MakeWindow() {
    static const bool registered = RegisterOwnClass(kClassName);
    return registered && Create(kClassName, 0);
}

void PicturePeer::SetPicture(const std::string& pictureName) {
    pictureName_ = pictureName;
    Repaint();
}

void PicturePeer::SetVisible(bool visible) {
    if (Handle()) return ShowVisible(visible);
    if (!visible || !MakeWindow()) return;
    Site().TakePlace(picture_);
    ShowToolTip(picture_.ToolTipText());
}

LRESULT PicturePeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(Handle(), &paint);
            RECT client;
            GetClientRect(Handle(), &client);
            OffscreenDc buffer(dc, client.right, client.bottom);
            Backdrop::PaintBehind(Handle(), buffer.Get());
            if (!pictureName_.empty()) art::PaintArt(pictureName_, buffer.Get(), client, Site().Dpi());
            BitBlt(dc, 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
            EndPaint(Handle(), &paint);
            return 0;
        }
        default: break;
    }
    return ControlWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace brivex::ui
