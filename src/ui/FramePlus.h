#pragma once

#include <vector>

#include "ui/PeeredControl.h"

namespace brivex::ui {

// A captioned panel. Controls placed in it are shown only while it is.
class FramePlus final : public PeeredControl<ControlPeer> {
public:
    FramePlus(Form& form, std::string name, std::string caption, std::optional<int> index = std::nullopt)
        : PeeredControl(form, std::move(name), index, {{"Caption", std::move(caption)}, {"ToolTipText", {}}}) {}

    // User input from the peer: a mouse button pressed on the panel itself, not
    // on a control in it. The panel is part of the window's background, so the
    // window takes the press as its own (and lets the user drag it by it).
    void PressedOnBackground();
};

}  // namespace brivex::ui
