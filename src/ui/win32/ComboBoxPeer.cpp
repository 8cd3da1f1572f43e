#include "ui/win32/ComboBoxPeer.h"

#include <string>

#include "graphics/win32/Gdi.h"
#include "platform/win32/WideText.h"

namespace brivex::ui {

namespace {

// Two design pixels above and below each line of the list, and three before its text.
constexpr int kLineMarginTwips = 30;
constexpr int kTextIndentTwips = 45;
constexpr WPARAM kClosedBox = static_cast<WPARAM>(-1);

}  // namespace

ComboBoxPeer::ComboBoxPeer(ListControl& list, PeerSite& site) : PeerWindow(list, site), list_(list) {
    if (!Create(L"COMBOBOX",
                CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP | WS_GROUP))
        return;
    FitHeights();
    OpenHeight();
}

void ComboBoxPeer::SetBounds(const Bounds& twips) {
    MoveTo(twips);
    Refresh();
}

void ComboBoxPeer::Refresh() {
    FitHeights();
    OpenHeight();
    Repaint();
}

void ComboBoxPeer::FitHeights() {
    const int line = LineHeight();
    SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, line + 2 * Site().Pixels(kLineMarginTwips));
    // The system adds a frame of its own round the closed box's item, of a
    // size each version chooses: the item grows or shrinks by what the box
    // misses of its design height, and the second try meets it.
    const int wanted = Site().Pixels(list_.Position().height);
    int item = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, kClosedBox, 0));
    for (int attempt = 0; attempt < 2; ++attempt) {
        RECT closed;
        GetWindowRect(Handle(), &closed);
        const int missing = wanted - (closed.bottom - closed.top);
        if (missing == 0 || item + missing < line) return;
        item += missing;
        SendMessageW(Handle(), CB_SETITEMHEIGHT, kClosedBox, item);
    }
}

void ComboBoxPeer::OpenHeight() {
    constexpr int kShownItems = 8;
    const Bounds& b = list_.Position();
    const int itemHeight = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(Handle(), nullptr, 0, 0, Site().Pixels(b.width),
                 Site().Pixels(b.height) + kShownItems * (itemHeight > 0 ? itemHeight : 16),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int ComboBoxPeer::LineHeight() {
    HDC dc = GetDC(Handle());
    TEXTMETRICW metrics{};
    {
        Selected font(dc, Font());
        GetTextMetricsW(dc, &metrics);
    }
    ReleaseDC(Handle(), dc);
    return metrics.tmHeight;
}

bool ComboBoxPeer::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool chosen = (item.itemState & ODS_SELECTED) && !(item.itemState & ODS_DISABLED);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(chosen ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != static_cast<UINT>(-1)) {
        const auto length = SendMessageW(Handle(), CB_GETLBTEXTLEN, item.itemID, 0);
        std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(Handle(), CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
        Selected font(item.hDC, Font());
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(item.itemState & ODS_DISABLED ? COLOR_GRAYTEXT
                                           : chosen                      ? COLOR_HIGHLIGHTTEXT
                                                                         : COLOR_WINDOWTEXT));
        RECT area = item.rcItem;
        area.left += Site().Pixels(kTextIndentTwips);
        area.top += CentredLineTop(item.rcItem.bottom - item.rcItem.top, LineHeight());
        DrawTextW(item.hDC, text.c_str(), -1, &area, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(item.hDC, &item.rcItem);
    return true;
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
