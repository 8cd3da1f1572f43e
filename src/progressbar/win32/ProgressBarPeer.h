#pragma once

#include <windows.h>

#include <memory>

#include "progressbar/BarControl.h"
#include "progressbar/win32/ProgressBarWindow.h"

namespace brivex {

// Puts a window's bar control on screen: a bar window of the design's size
// carries the control's own bar, which draws every write itself.
class ProgressBarPeer final : public ui::ControlPeer {
public:
    static std::unique_ptr<ui::ControlPeer> Create(ui::Control& control, HWND parent, const RECT& pixels);

    void SetText(const std::string&) override {}
    void SetToolTip(const std::string&) override {}
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetValue(int) override {}
    void SetItems(const std::vector<std::string>&) override {}
    void SetPicture(const std::string&) override {}
    void SetBounds(const ui::Bounds& twips) override;
    void Invalidate() override;

    // Makes the form windows build bars through this peer.
    static void Register();

private:
    ProgressBarPeer(std::unique_ptr<ProgressBarWindow> window, Size size) : window_(std::move(window)), size_(size) {}
    std::unique_ptr<ProgressBarWindow> window_;
    Size size_;
};

}  // namespace brivex
