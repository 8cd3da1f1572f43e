#pragma once

#include <windows.h>

#include "ui/OptionButton.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// A system option button. The option buttons of one container form a group
// for the keyboard: the first of them starts it, the arrow keys move the
// choice within it, and Tab reaches the chosen one.
class OptionButtonPeer final : public PeerWindow<OptionPeer> {
public:
    OptionButtonPeer(OptionButton& option, PeerSite& site);

    void SetChosen(bool chosen) override;
    void Command(int code) override;

private:
    OptionButton& option_;
};

}  // namespace brivex::ui
