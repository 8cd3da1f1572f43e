#pragma once

#include <functional>

#include "ui/PeeredControl.h"

namespace brivex::ui {

// Text drawn straight on the window. A label with a click handler acts as a link.
class Label final : public PeeredControl<ControlPeer> {
public:
    Label(Form& form, std::string name, std::string caption = {}, std::optional<int> index = std::nullopt)
        : PeeredControl(form, std::move(name), index, {{"Caption", std::move(caption)}, {"ToolTipText", {}}}) {}

    void Click();

    std::function<void()> OnClick;
};

}  // namespace brivex::ui
