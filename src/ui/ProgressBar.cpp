#include "ui/ProgressBar.h"

namespace brivex::ui {

void ProgressBar::SetValue(std::int32_t value) {
    if (value == value_) return;
    value_ = value;
    if (Peer()) Peer()->SetValue(value_);
}

void ProgressBar::PushStateToPeer() { Peer()->SetValue(value_); }

}  // namespace brivex::ui
