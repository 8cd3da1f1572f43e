#include "ui/CheckBox.h"

#include "ui/Form.h"

namespace brivex::ui {

void CheckBox::SetValue(int value) {
    if (value == value_) return;
    value_ = value;
    if (Peer()) Peer()->SetCheckState(value_);
}

void CheckBox::Click() {
    if (!Enabled() || !Owner().Enabled()) return;
    SetValue(value_ == 1 ? 0 : 1);
    if (OnClick) OnClick();
}

void CheckBox::PushStateToPeer() { Peer()->SetCheckState(value_); }

}  // namespace brivex::ui
