#include "ui/ListBox.h"

#include "ui/Form.h"

namespace brivex::ui {

void ListControl::AddItem(std::string item) {
    items_.push_back(std::move(item));
    if (Peer()) Peer()->AddItem(items_.back());
}

void ListControl::Clear() {
    items_.clear();
    listIndex_ = -1;
    if (Peer()) Peer()->ClearItems();
}

void ListControl::SetListIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size()) || index == listIndex_) return;
    listIndex_ = index;
    if (Peer()) Peer()->SetSelection(listIndex_);
}

std::string ListControl::SelectedText() const {
    return listIndex_ < 0 ? std::string{} : items_[static_cast<std::size_t>(listIndex_)];
}

void ListControl::UserSelected(int index) {
    if (!Enabled() || !Owner().Enabled()) return;
    SetListIndex(index);
    if (OnClick) OnClick();
}

void ListControl::PushStateToPeer() {
    Peer()->ClearItems();
    for (const std::string& item : items_) Peer()->AddItem(item);
    Peer()->SetSelection(listIndex_);
}

}  // namespace brivex::ui
