#include "progressbar/win32/ProgressBarPeer.h"

#include "progressbar/DesignValues.h"
#include "ui/win32/PeerFactory.h"

namespace brivex {

std::unique_ptr<ui::ControlPeer> ProgressBarPeer::Create(ui::Control& control, HWND parent, const RECT& pixels) {
    auto* bar = dynamic_cast<ui::ProgressBar*>(&control);
    if (!bar) return nullptr;
    std::unique_ptr<ProgressBarWindow> window = ProgressBarWindow::Create(parent, pixels);
    if (!window) return nullptr;
    if (const BarDesign* design = FindBarDesign(bar->Design())) window->Bar().LoadProperties(DesignPropertyBag(*design));
    return std::unique_ptr<ui::ControlPeer>(new ProgressBarPeer(std::move(window)));
}

void ProgressBarPeer::Register() { ui::RegisterPeerFactory("XP_ProgressBar", &ProgressBarPeer::Create); }

void ProgressBarPeer::SetVisible(bool visible) { ShowWindow(window_->Handle(), visible ? SW_SHOWNA : SW_HIDE); }

void ProgressBarPeer::SetEnabled(bool enabled) { EnableWindow(window_->Handle(), enabled); }

void ProgressBarPeer::SetValue(int value) { window_->Bar().SetValue(value); }

void ProgressBarPeer::SetBounds(const ui::Bounds& twips) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    const auto px = [dpi](int value) { return MulDiv(value, dpi, 1440); };
    MoveWindow(window_->Handle(), px(twips.left), px(twips.top), px(twips.width), px(twips.height), TRUE);
}

void ProgressBarPeer::Invalidate() { InvalidateRect(window_->Handle(), nullptr, FALSE); }

}  // namespace brivex
