#include "progressbar/win32/ProgressBarPeer.h"

#include "progressbar/DesignValues.h"
#include "ui/win32/PeerFactory.h"

namespace brivex {

ProgressBarPeer::ProgressBarPeer(ui::ProgressBar& bar, ui::PeerSite& site) : PeerWindow(bar, site) {
    const ui::Bounds& b = bar.Position();
    const RECT pixels{site.Pixels(b.left), site.Pixels(b.top), site.Pixels(b.left + b.width),
                      site.Pixels(b.top + b.height)};
    window_ = ProgressBarWindow::Create(site.ParentFor(bar), pixels, site.IdFor(bar));
    if (!window_) return;
    if (const BarDesign* design = FindBarDesign(bar.Design())) window_->Bar().LoadProperties(DesignPropertyBag(*design));
    Adopt(window_->Handle());
}

void ProgressBarPeer::Register() { ui::RegisterPeer<ui::ProgressBar, ProgressBarPeer>(); }

void ProgressBarPeer::SetValue(std::int32_t value) { window_->Bar().SetValue(value); }

}  // namespace brivex
