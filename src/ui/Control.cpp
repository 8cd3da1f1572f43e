#include "ui/Control.h"

#include "ui/Form.h"

namespace brivex::ui {

Control::Control(Form& form, std::string name, std::optional<int> index,
                 std::map<std::string, std::string, std::less<>> textProperties)
    : form_(form), name_(std::move(name)), index_(index), text_(std::move(textProperties)) {
    form_.Register(*this);
}

std::optional<std::string> Control::Get(std::string_view property) const {
    const auto it = text_.find(property);
    if (it == text_.end()) return std::nullopt;
    return it->second;
}

bool Control::Set(std::string_view property, std::string value) {
    const auto it = text_.find(property);
    if (it == text_.end()) return false;
    if (it->second == value) return true;
    it->second = std::move(value);
    if (peer_) {
        if (property == "ToolTipText") peer_->SetToolTip(it->second);
        else peer_->SetText(it->second);
    }
    TextChanged(property);
    return true;
}

void Control::SetPosition(Bounds bounds) {
    if (bounds.left == bounds_.left && bounds.top == bounds_.top && bounds.width == bounds_.width &&
        bounds.height == bounds_.height)
        return;
    bounds_ = bounds;
    if (peer_) peer_->SetBounds(bounds_);
}

void Control::SetLook(Appearance look) {
    if (look == look_) return;
    look_ = std::move(look);
    if (peer_) peer_->Invalidate();
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    if (peer_) peer_->SetVisible(visible);
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (peer_) peer_->SetEnabled(enabled);
}

void Control::SetFromPeer(std::string_view property, std::string value) {
    const auto it = text_.find(property);
    if (it == text_.end() || it->second == value) return;
    it->second = std::move(value);
    TextChanged(property);
}

void Control::BindPeer(ControlPeer* peer) {
    peer_ = peer;
    if (!peer_) return;
    for (const auto& [property, value] : text_) {
        if (property == "ToolTipText") peer_->SetToolTip(value);
        else peer_->SetText(value);
    }
    peer_->SetVisible(visible_);
    peer_->SetEnabled(enabled_);
    PushStateToPeer();
}

void Control::TextChanged(std::string_view) {}

}  // namespace brivex::ui
