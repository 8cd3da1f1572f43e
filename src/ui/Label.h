#pragma once

#include <functional>

#include "ui/Control.h"

namespace brivex::ui {

// Text drawn straight on the window. A label with a click handler acts as a link.
class Label final : public Control {
public:
    Label(Form& form, std::string name, std::string caption = {}, std::optional<int> index = std::nullopt)
        : Control(form, std::move(name), index, {{"Caption", std::move(caption)}, {"ToolTipText", {}}}) {}
    std::string_view Kind() const override { return "Label"; }

    void Click();

    std::function<void()> OnClick;
};

}  // namespace brivex::ui
