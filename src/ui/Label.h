#pragma once

#include "ui/Control.h"

namespace brivex::ui {

class Label final : public Control {
public:
    Label(Form& form, std::string name, std::string caption = {}, std::optional<int> index = std::nullopt)
        : Control(form, std::move(name), index, {{"Caption", std::move(caption)}, {"ToolTipText", {}}}) {}
    std::string_view Kind() const override { return "Label"; }
};

}  // namespace brivex::ui
