#include "ui/Form.h"

namespace brivex::ui {

void Form::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    if (peer_) peer_->SetCaption(caption_);
}

Control* Form::FindControl(std::string_view name, std::optional<int> index) const {
    for (Control* control : controls_)
        if (control->Name() == name && control->Index() == index) return control;
    return nullptr;
}

void Form::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (peer_) peer_->SetEnabled(enabled);
}

void Form::SetWindowState(WindowState state) {
    if (state_ == state) return;
    state_ = state;
    if (peer_) peer_->SetWindowState(state);
}

void Form::SetMousePointer(MousePointer pointer) {
    if (pointer_ == pointer) return;
    pointer_ = pointer;
    if (peer_) peer_->SetMousePointer(pointer);
}

void Form::MakeTopmost() {
    topmost_ = true;
    if (peer_) peer_->SetTopmost();
}

void Form::ApplyRoundedShape() {
    rounded_ = true;
    if (peer_) peer_->ApplyRoundedShape();
}

void Form::BeginDrag() {
    if (peer_) peer_->BeginDrag();
}

}  // namespace brivex::ui
