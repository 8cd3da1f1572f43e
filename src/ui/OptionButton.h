#pragma once

#include <functional>
#include <vector>

#include "ui/PeeredControl.h"

namespace brivex::ui {

// One of a group of exclusive choices: choosing it clears the other option
// buttons of the same form and container.
class OptionButton final : public PeeredControl<OptionPeer> {
public:
    OptionButton(Form& form, std::string name, std::string caption, std::optional<int> index = std::nullopt)
        : PeeredControl(form, std::move(name), index, {{"Caption", std::move(caption)}, {"ToolTipText", {}}}) {}

    bool Value() const { return value_; }
    void SetValue(bool value);
    void Click();
    // The first option button of its group in the form's order: where the
    // group starts for keyboard navigation.
    bool StartsGroup() const;

    std::function<void()> OnClick;

protected:
    void PushStateToPeer() override;

private:
    // The option buttons of this one's form and container, in the form's order.
    std::vector<OptionButton*> Group() const;

    bool value_ = false;
};

}  // namespace brivex::ui
