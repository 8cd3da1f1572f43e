#include "ui/TextBox.h"

namespace brivex::ui {

void TextBox::SetReadOnly(bool readOnly) {
    if (readOnly == readOnly_) return;
    readOnly_ = readOnly;
    if (Peer()) Peer()->SetReadOnly(readOnly_);
}

void TextBox::UserTyped(std::string text) {
    if (Text() == text) return;
    SetFromPeer("Text", std::move(text));
    if (OnChange) OnChange();
}

void TextBox::PushStateToPeer() { Peer()->SetReadOnly(readOnly_); }

}  // namespace brivex::ui
