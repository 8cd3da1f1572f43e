#pragma once

#include <vector>

#include "ui/PeeredControl.h"

namespace brivex::ui {

// A captioned panel. Controls placed in it are shown only while it is.
class FramePlus final : public PeeredControl<ControlPeer> {
public:
    FramePlus(Form& form, std::string name, std::string caption, std::optional<int> index = std::nullopt)
        : PeeredControl(form, std::move(name), index, {{"Caption", std::move(caption)}, {"ToolTipText", {}}}) {}
};

}  // namespace brivex::ui
