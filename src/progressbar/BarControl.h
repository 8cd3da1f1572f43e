#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "progressbar/DesignValues.h"
#include "progressbar/PixelBarHost.h"
#include "progressbar/XpProgressBar.h"
#include "ui/PeeredControl.h"

namespace brivex {

// The place a window gives one of its progress bars, and the bar itself: a
// control of the window (named, shown and hidden, translated like the others)
// that owns the bar's one model. Windows only write and read Value and show or
// hide the control; everything else, the size included, comes from the design
// of the instance. The bar draws in a window in memory until the platform
// carries it in a window on screen, and comes back to memory when that window
// goes, keeping its state both ways.
class BarControl final : public ui::PeeredControl<ui::ControlPeer> {
public:
    BarControl(ui::Form& form, std::string name, const BarDesign& design, std::optional<int> index = std::nullopt);

    // Through the bar's own conversion: with Max 200, writing 3 reads back 4.
    std::int32_t Value() const { return bar_.Value(); }
    // Every write redraws, a write of the value the bar holds too.
    ValueWrite SetValue(std::int32_t value) { return bar_.SetValue(value); }

    const BarDesign& Design() const { return design_; }
    XpProgressBar& Bar() { return bar_; }
    // The window in memory the bar draws in while no window on screen carries it.
    PixelBarHost& InMemory() { return memory_; }

private:
    const BarDesign& design_;
    PixelBarHost memory_;
    XpProgressBar bar_;
};

}  // namespace brivex
