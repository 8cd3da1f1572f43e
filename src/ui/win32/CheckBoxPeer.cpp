#include "ui/win32/CheckBoxPeer.h"

namespace brivex::ui {

CheckBoxPeer::CheckBoxPeer(CheckBox& box, PeerSite& site) : PeerWindow(box, site), box_(box) {
    Create(L"BUTTON", BS_CHECKBOX | WS_TABSTOP | WS_GROUP);
}

void CheckBoxPeer::SetCheckState(int state) { SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state), 0); }

void CheckBoxPeer::Command(int code) {
    if (code == BN_CLICKED) box_.Click();
}

}  // namespace brivex::ui
