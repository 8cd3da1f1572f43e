#include "ui/TextBox.h"

namespace brivex::ui {

void TextBox::UserTyped(std::string text) {
    if (Text() == text) return;
    // The peer already shows what the user typed: only the model follows.
    ControlPeer* peer = Peer();
    AttachPeerQuietly(nullptr);
    SetText(std::move(text));
    AttachPeerQuietly(peer);
    if (OnChange) OnChange();
}

}  // namespace brivex::ui
