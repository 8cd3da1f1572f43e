#pragma once

#include <windows.h>

#include <string>

#include "ui/Picture.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// An image box showing one of the program's own drawings over what lies behind it.
class PicturePeer final : public PeerWindow<ImagePeer> {
public:
    PicturePeer(Picture& picture, PeerSite& site);

    void SetPicture(const std::string& pictureName) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::string picture_;
};

}  // namespace brivex::ui
