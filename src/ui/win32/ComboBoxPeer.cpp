#include "ui/win32/ComboBoxPeer.h"

#include "platform/win32/Win32AnsiCodec.h"

namespace brivex::ui {

ComboBoxPeer::ComboBoxPeer(ListControl& list, PeerSite& site) : PeerWindow(list, site), list_(list) {
    if (Create(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP)) OpenHeight();
}

void ComboBoxPeer::SetBounds(const Bounds& twips) {
    MoveTo(twips);
    OpenHeight();
}

void ComboBoxPeer::OpenHeight() {
    constexpr int kShownItems = 8;
    const Bounds& b = list_.Position();
    const int itemHeight = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(Handle(), nullptr, 0, 0, Site().Pixels(b.width),
                 Site().Pixels(b.height) + kShownItems * (itemHeight > 0 ? itemHeight : 16),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A drop-down list has no text of its own to set: writing one would choose
// another item behind the model's back.
void ComboBoxPeer::SetText(const std::string&) {}

void ComboBoxPeer::ClearItems() { SendMessageW(Handle(), CB_RESETCONTENT, 0, 0); }

void ComboBoxPeer::AddItem(const std::string& item) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

void ComboBoxPeer::SetSelection(int index) { SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void ComboBoxPeer::Command(int code) {
    if (code == CBN_SELCHANGE) list_.UserSelected(static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)));
}

}  // namespace brivex::ui
