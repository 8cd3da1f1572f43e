#include "ui/OptionButton.h"

#include "ui/Form.h"

namespace brivex::ui {

void OptionButton::SetValue(bool value) {
    if (value == value_) return;
    value_ = value;
    if (value_) {
        for (Control* other : Owner().Controls()) {
            auto* option = dynamic_cast<OptionButton*>(other);
            if (option && option != this && option->Container() == Container()) option->SetValue(false);
        }
    }
    if (Peer()) Peer()->SetChosen(value_);
}

void OptionButton::Click() {
    if (!Enabled() || !Owner().Enabled()) return;
    SetValue(true);
    if (OnClick) OnClick();
}

bool OptionButton::StartsGroup() const {
    for (const Control* other : Owner().Controls()) {
        if (other == this) return true;
        const auto* option = dynamic_cast<const OptionButton*>(other);
        if (option && option->Container() == Container()) return false;
    }
    return true;
}

void OptionButton::PushStateToPeer() { Peer()->SetChosen(value_); }

}  // namespace brivex::ui
