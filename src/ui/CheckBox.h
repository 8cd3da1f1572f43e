#pragma once

#include <functional>

#include "ui/PeeredControl.h"

namespace brivex::ui {

class CheckBox final : public PeeredControl<CheckPeer> {
public:
    CheckBox(Form& form, std::string name, std::string caption, std::optional<int> index = std::nullopt)
        : PeeredControl(form, std::move(name), index, {{"Caption", std::move(caption)}, {"ToolTipText", {}}}) {}

    // 0 unticked, 1 ticked. Setting it from code fires nothing.
    int Value() const { return value_; }
    void SetValue(int value);
    // User input from the peer: toggles, then fires OnClick.
    void Click();

    std::function<void()> OnClick;

protected:
    void PushStateToPeer() override;

private:
    int value_ = 0;
};

}  // namespace brivex::ui
