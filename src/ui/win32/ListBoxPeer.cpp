#include "ui/win32/ListBoxPeer.h"

#include "platform/win32/WideText.h"

namespace brivex::ui {

ListBoxPeer::ListBoxPeer(ListControl& list, PeerSite& site) : PeerWindow(list, site), list_(list) {
    Create(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE);
}

void ListBoxPeer::ClearItems() { SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }

void ListBoxPeer::AddItem(const std::string& item) {
    SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

void ListBoxPeer::SetSelection(int index) { SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void ListBoxPeer::Command(int code) {
    if (code == LBN_SELCHANGE) list_.UserSelected(static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)));
}

}  // namespace brivex::ui
