#include "progressbar/win32/ProgressBarPeer.h"

#include "base/Units.h"
#include "progressbar/DesignValues.h"
#include "ui/win32/PeerFactory.h"

namespace brivex {

namespace {

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

std::unique_ptr<ui::ControlPeer> ProgressBarPeer::Create(ui::Control& control, HWND parent, const RECT& pixels) {
    auto* bar = dynamic_cast<BarControl*>(&control);
    if (!bar) return nullptr;
    const Size size = DesignSizeInPixels(bar->Design(), ScreenDpi());
    std::unique_ptr<ProgressBarWindow> window = ProgressBarWindow::Create(
        parent, RECT{pixels.left, pixels.top, pixels.left + size.width, pixels.top + size.height}, bar->Bar());
    if (!window) return nullptr;
    return std::unique_ptr<ui::ControlPeer>(new ProgressBarPeer(std::move(window), size));
}

void ProgressBarPeer::Register() { ui::RegisterPeerFactory("XP_ProgressBar", &ProgressBarPeer::Create); }

void ProgressBarPeer::SetVisible(bool visible) { ShowWindow(window_->Handle(), visible ? SW_SHOWNA : SW_HIDE); }

void ProgressBarPeer::SetEnabled(bool enabled) { EnableWindow(window_->Handle(), enabled); }

// The window places the bar; its size stays the design's.
void ProgressBarPeer::SetBounds(const ui::Bounds& twips) {
    const int dpi = ScreenDpi();
    MoveWindow(window_->Handle(), TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi), size_.width,
               size_.height, TRUE);
}

void ProgressBarPeer::Invalidate() { InvalidateRect(window_->Handle(), nullptr, FALSE); }

}  // namespace brivex
