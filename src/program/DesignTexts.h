#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/Form.h"

namespace brivex {

// The texts a window was designed with: its caption and every control's
// caption and tooltip. A window that is loaded again after an unload starts
// from them, as a window made afresh would: its load writes them to the
// French reference file before translating, and a text set at run time or a
// translation of the last opening must not take their place there.
class DesignTexts {
public:
    // Taken from the form once its controls are all made.
    explicit DesignTexts(const ui::Form& form);

    void Restore(ui::Form& form) const;

private:
    struct ControlTexts {
        ui::Control* control;
        std::optional<std::string> caption;
        std::optional<std::string> toolTip;
    };

    std::string caption_;
    std::vector<ControlTexts> controls_;
};

}  // namespace brivex
