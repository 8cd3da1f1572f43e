#pragma once

#include <windows.h>

#include <memory>

#include "progressbar/win32/ProgressBarWindow.h"
#include "ui/ProgressBar.h"

namespace brivex {

// Puts a window's progress bar on screen: the bar window, loaded with the
// design values of its instance, told every Value the window writes.
class ProgressBarPeer final : public ui::ControlPeer {
public:
    static std::unique_ptr<ui::ControlPeer> Create(ui::Control& control, HWND parent, const RECT& pixels);

    void SetText(const std::string&) override {}
    void SetToolTip(const std::string&) override {}
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetValue(int value) override;
    void SetItems(const std::vector<std::string>&) override {}
    void SetPicture(const std::string&) override {}
    void SetBounds(const ui::Bounds& twips) override;
    void Invalidate() override;

    // Makes the form windows build bars through this peer.
    static void Register();

private:
    explicit ProgressBarPeer(std::unique_ptr<ProgressBarWindow> window) : window_(std::move(window)) {}
    std::unique_ptr<ProgressBarWindow> window_;
};

}  // namespace brivex
