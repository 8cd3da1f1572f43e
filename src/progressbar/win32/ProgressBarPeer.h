#pragma once

#include <windows.h>

#include <memory>

#include "progressbar/BarControl.h"
#include "progressbar/win32/ProgressBarWindow.h"
#include "ui/win32/ControlWindow.h"

namespace brivex {

// Puts a window's bar control on screen: a bar window of the design's size
// carries the control's own bar, which draws every write itself.
class ProgressBarPeer final : public ui::PeerWindow<ui::ControlPeer> {
public:
    ProgressBarPeer(BarControl& bar, ui::PeerSite& site);

    // The window places the bar; its size stays the design's.
    void SetBounds(const ui::Bounds& twips) override;
    // The design's size at the window's new resolution, and the bar drawn again at it.
    void Rescale() override;

    // Makes the form windows build bars through this peer.
    static void Register();

private:
    const BarControl& bar_;
    Size size_;
    std::unique_ptr<ProgressBarWindow> window_;
};

}  // namespace brivex
