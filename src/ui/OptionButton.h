#pragma once

#include <functional>

#include "ui/Control.h"

namespace brivex::ui {

// One of a group of exclusive choices: choosing it clears the other option
// buttons of the same form and container.
class OptionButton final : public Control {
public:
    OptionButton(Form& form, std::string name, std::string caption, std::optional<int> index = std::nullopt)
        : Control(form, std::move(name), index, {{"Caption", std::move(caption)}, {"ToolTipText", {}}}) {}
    std::string_view Kind() const override { return "OptionButton"; }

    bool Value() const { return value_; }
    void SetValue(bool value);
    void Click();

    std::function<void()> OnClick;

protected:
    void PushStateToPeer() override;

private:
    bool value_ = false;
};

}  // namespace brivex::ui
