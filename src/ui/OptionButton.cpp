#include "ui/OptionButton.h"

#include "ui/Form.h"

namespace brivex::ui {

std::vector<OptionButton*> OptionButton::Group() const {
    std::vector<OptionButton*> group;
    for (Control* other : Owner().Controls()) {
        auto* option = dynamic_cast<OptionButton*>(other);
        if (option && option->Container() == Container()) group.push_back(option);
    }
    return group;
}

void OptionButton::SetValue(bool value) {
    if (value == value_) return;
    value_ = value;
    if (value_)
        for (OptionButton* other : Group())
            if (other != this) other->SetValue(false);
    if (Peer()) Peer()->SetChosen(value_);
}

void OptionButton::Click() {
    if (!Enabled() || !Owner().Enabled()) return;
    SetValue(true);
    if (OnClick) OnClick();
}

bool OptionButton::StartsGroup() const { return Group().front() == this; }

void OptionButton::PushStateToPeer() { Peer()->SetChosen(value_); }

}  // namespace brivex::ui
