#pragma once

#include <windows.h>

#include "ui/CheckBox.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// A system check box whose tick follows the model: a click or the space bar
// asks the model to toggle, and the model ticks the box.
class CheckBoxPeer final : public PeerWindow<CheckPeer> {
public:
    CheckBoxPeer(CheckBox& box, PeerSite& site);

    void SetCheckState(int state) override;
    void Command(int code) override;

private:
    CheckBox& box_;
};

}  // namespace brivex::ui
