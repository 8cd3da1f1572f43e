#include "ui/Picture.h"

namespace brivex::ui {

void Picture::SetPicture(std::string picture) {
    if (picture == picture_) return;
    picture_ = std::move(picture);
    if (Peer()) Peer()->SetPicture(picture_);
}

void Picture::PushStateToPeer() { Peer()->SetPicture(picture_); }

}  // namespace brivex::ui
