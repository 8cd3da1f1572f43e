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
    if (Peer()) Peer()->SetValue(value_ ? 1 : 0);
}

void OptionButton::Click() {
    if (!Enabled() || !Owner().Enabled()) return;
    SetValue(true);
    if (OnClick) OnClick();
}

void OptionButton::PushStateToPeer() {
    Control::PushStateToPeer();
    Peer()->SetValue(value_ ? 1 : 0);
}

}  // namespace brivex::ui
