#pragma once

#include <windows.h>

#include <memory>

#include "progressbar/win32/ProgressBarWindow.h"
#include "ui/ProgressBar.h"
#include "ui/win32/ControlWindow.h"

namespace brivex {

// Puts a window's progress bar on screen: the bar window, loaded with the
// design values of its instance, told every Value the window writes.
class ProgressBarPeer final : public ui::PeerWindow<ui::ValuePeer> {
public:
    ProgressBarPeer(ui::ProgressBar& bar, ui::PeerSite& site);

    void SetValue(std::int32_t value) override;

    // Makes the form windows build bars through this peer.
    static void Register();

private:
    std::unique_ptr<ProgressBarWindow> window_;
};

}  // namespace brivex
