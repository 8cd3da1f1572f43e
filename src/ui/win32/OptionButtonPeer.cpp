#include "ui/win32/OptionButtonPeer.h"

namespace brivex::ui {

OptionButtonPeer::OptionButtonPeer(OptionButton& option, PeerSite& site) : PeerWindow(option, site), option_(option) {
    // The automatic kind, so the dialog keys choose the button the arrows move to.
    Create(L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP | (option.StartsGroup() ? WS_GROUP : 0));
}

void OptionButtonPeer::SetChosen(bool chosen) {
    SendMessageW(Handle(), BM_SETCHECK, chosen ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionButtonPeer::Command(int code) {
    if (code == BN_CLICKED) option_.Click();
}

}  // namespace brivex::ui
