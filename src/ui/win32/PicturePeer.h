#pragma once

#include <windows.h>

#include <string>

#include "ui/Picture.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// An image box showing one of the program's own drawings over what lies
// behind it. One hidden when its form's window is made gets its own window the
// first time it shows: it has no text for anyone to find it by meanwhile, the
// main window holds eight stage pictures that never show, and every window
// made costs the start.
class PicturePeer final : public PeerWindow<ImagePeer> {
public:
    PicturePeer(Picture& picture, PeerSite& site);

    void SetPicture(const std::string& pictureName) override;
    void SetVisible(bool visible) override;
    bool Ready() const override { return Handle() || !picture_.Visible(); }

private:
    bool MakeWindow();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    const Picture& picture_;
    std::string pictureName_;
};

}  // namespace brivex::ui
