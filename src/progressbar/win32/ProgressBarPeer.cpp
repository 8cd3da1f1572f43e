#include "progressbar/win32/ProgressBarPeer.h"

#include "progressbar/DesignValues.h"
#include "ui/win32/PeerFactory.h"

namespace brivex {

ProgressBarPeer::ProgressBarPeer(BarControl& bar, ui::PeerSite& site)
    : PeerWindow(bar, site), bar_(bar), size_(DesignSizeInPixels(bar.Design(), site.Dpi())) {
    const ui::Bounds& b = bar.Position();
    const int left = site.Pixels(b.left);
    const int top = site.Pixels(b.top);
    window_ = ProgressBarWindow::Create(site.ParentFor(bar), RECT{left, top, left + size_.width, top + size_.height},
                                        bar.Bar(), site.Dpi(), site.IdFor(bar));
    if (window_) Adopt(window_->Handle());
}

void ProgressBarPeer::Register() { ui::RegisterPeer<BarControl, ProgressBarPeer>(); }

void ProgressBarPeer::SetBounds(const ui::Bounds& twips) {
    MoveWindow(Handle(), Site().Pixels(twips.left), Site().Pixels(twips.top), size_.width, size_.height, TRUE);
}

void ProgressBarPeer::Rescale() {
    if (!window_) return;
    size_ = DesignSizeInPixels(bar_.Design(), Site().Dpi());
    SetBounds(bar_.Position());
    window_->SetDpi(Site().Dpi());
}

}  // namespace brivex
