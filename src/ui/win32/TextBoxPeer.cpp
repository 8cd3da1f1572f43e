#include "ui/win32/TextBoxPeer.h"

#include "platform/win32/Win32AnsiCodec.h"

namespace brivex::ui {

TextBoxPeer::TextBoxPeer(TextBox& box, PeerSite& site) : PeerWindow(box, site), box_(box) {
    const DWORD lines = box.MultiLine() ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
    Create(L"EDIT", lines | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE);
}

void TextBoxPeer::SetReadOnly(bool readOnly) { SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0); }

void TextBoxPeer::Command(int code) {
    // A text set from code comes back as a change too; the model, which
    // already holds it, ignores it.
    if (code != EN_CHANGE) return;
    const int length = GetWindowTextLengthW(Handle());
    std::wstring typed(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(Handle(), typed.data(), length + 1);
    typed.resize(static_cast<std::size_t>(length));
    box_.UserTyped(Narrow(typed));
}

// An edit box keeps the system's colours: its text is the user's to read.
std::optional<LRESULT> TextBoxPeer::Colors(HDC) { return std::nullopt; }

}  // namespace brivex::ui
