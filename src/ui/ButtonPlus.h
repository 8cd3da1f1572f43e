#pragma once

#include <functional>

#include "ui/PeeredControl.h"

namespace brivex::ui {

// The custom-drawn push button of every window. Its click notification is the
// only event the windows handle.
class ButtonPlus final : public PeeredControl<ControlPeer> {
public:
    ButtonPlus(Form& form, std::string name, std::string caption, std::optional<int> index = std::nullopt)
        : PeeredControl(form, std::move(name), index, {{"Caption", std::move(caption)}, {"ToolTipText", {}}}) {}

    // User input from the peer: a disabled button, or one on a disabled window, does nothing.
    void Click();

    std::function<void()> OnClick;
};

}  // namespace brivex::ui
