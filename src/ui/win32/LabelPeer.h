#pragma once

#include <windows.h>

#include "ui/Label.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// Text drawn over what lies behind it. A label with a click handler is a link:
// the hand pointer over it, and a click only when the button goes down and
// comes up on it.
class LabelPeer final : public PeerWindow<ControlPeer> {
public:
    LabelPeer(Label& label, PeerSite& site);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    void Released(LPARAM point);

    Label& label_;
    bool pressed_ = false;
};

}  // namespace brivex::ui
