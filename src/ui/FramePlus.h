#pragma once

#include <vector>

#include "ui/Control.h"

namespace brivex::ui {

// A captioned panel. Controls placed in it are shown only while it is.
class FramePlus final : public Control {
public:
    FramePlus(Form& form, std::string name, std::string caption, std::optional<int> index = std::nullopt)
        : Control(form, std::move(name), index, {{"Caption", std::move(caption)}, {"ToolTipText", {}}}) {}
    std::string_view Kind() const override { return "FramePlus"; }
};

}  // namespace brivex::ui
