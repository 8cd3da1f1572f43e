#include "progressbar/win32/ProgressBarPeer.h"

#include "base/Units.h"
#include "progressbar/DesignValues.h"
#include "ui/win32/PeerFactory.h"

namespace brivex {

ProgressBarPeer::ProgressBarPeer(BarControl& bar, ui::PeerSite& site)
    : PeerWindow(bar, site), size_(DesignSizeInPixels(bar.Design(), site.Pixels(kTwipsPerInch))) {
    const ui::Bounds& b = bar.Position();
    const int left = site.Pixels(b.left);
    const int top = site.Pixels(b.top);
    window_ = ProgressBarWindow::Create(site.ParentFor(bar), RECT{left, top, left + size_.width, top + size_.height},
                                        bar.Bar(), site.IdFor(bar));
    if (window_) Adopt(window_->Handle());
}

void ProgressBarPeer::Register() { ui::RegisterPeer<BarControl, ProgressBarPeer>(); }

void ProgressBarPeer::SetBounds(const ui::Bounds& twips) {
    MoveWindow(Handle(), Site().Pixels(twips.left), Site().Pixels(twips.top), size_.width, size_.height, TRUE);
}

}  // namespace brivex
