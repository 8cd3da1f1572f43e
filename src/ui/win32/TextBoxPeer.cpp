#include "ui/win32/TextBoxPeer.h"

#include <commctrl.h>

#include "graphics/win32/Gdi.h"
#include "platform/win32/WideText.h"
#include "ui/win32/ErrorBarrier.h"

namespace brivex::ui {

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

TextBoxPeer::TextBoxPeer(TextBox& box, PeerSite& site) : PeerWindow(box, site), box_(box) {
    const DWORD lines = box.MultiLine() ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
    if (!Create(L"EDIT", lines | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE) || box.MultiLine()) return;
    centred_ = SetWindowSubclass(Handle(), &TextBoxPeer::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    Reframe();
}

TextBoxPeer::~TextBoxPeer() {
    if (centred_) RemoveWindowSubclass(Handle(), &TextBoxPeer::SubclassProc, kSubclassId);
}

void TextBoxPeer::SetReadOnly(bool readOnly) {
    SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
    // The margins take the colour of a box that can or cannot be changed.
    if (centred_) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TextBoxPeer::Command(int code) {
    // A text set from code comes back as a change too; the model, which
    // already holds it, ignores it.
    if (code != EN_CHANGE) return;
    box_.UserTyped(Narrow(WindowText(Handle())));
}

// An edit box keeps the system's colours: its text is the user's to read.
std::optional<LRESULT> TextBoxPeer::Colors(HDC) { return std::nullopt; }

LRESULT CALLBACK TextBoxPeer::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    LRESULT result = 0;
    RunGuarded([&] { result = reinterpret_cast<TextBoxPeer*>(self)->Subclassed(message, wParam, lParam); });
    return result;
}

LRESULT TextBoxPeer::Subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCALCSIZE:
            if (wParam) {
                auto& sizes = *reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
                const RECT window = sizes.rgrc[0];
                const LRESULT result = DefSubclassProc(Handle(), message, wParam, lParam);
                CentreLine(sizes.rgrc[0], window);
                return result;
            }
            break;
        case WM_NCPAINT: {
            const LRESULT result = DefSubclassProc(Handle(), message, wParam, lParam);
            PaintMargins();
            return result;
        }
        case WM_NCHITTEST: {
            // The margins are the box's own: a click there puts the caret in it.
            const LRESULT hit = DefSubclassProc(Handle(), message, wParam, lParam);
            return hit == HTNOWHERE || hit == HTBORDER ? HTCLIENT : hit;
        }
        case WM_SETFONT: {
            const LRESULT result = DefSubclassProc(Handle(), message, wParam, lParam);
            Reframe();
            return result;
        }
        default: break;
    }
    return DefSubclassProc(Handle(), message, wParam, lParam);
}

void TextBoxPeer::CentreLine(RECT& client, const RECT& window) {
    const int line = LineHeight();
    const int top = window.top + CentredLineTop(window.bottom - window.top, line);
    if (top < client.top || top + line > client.bottom) return;  // no room to spare
    client.top = top;
    client.bottom = top + line;
}

void TextBoxPeer::PaintMargins() {
    RECT window;
    GetWindowRect(Handle(), &window);
    RECT client;
    GetClientRect(Handle(), &client);
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    const int edge = client.left;
    const int height = window.bottom - window.top;
    const RECT above{edge, edge, client.right, client.top};
    const RECT below{edge, client.bottom, client.right, height - edge};
    HDC dc = GetWindowDC(Handle());
    // The brush the box itself asks its parent for, as an edit box that can or cannot be changed.
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const UINT ask = (style & ES_READONLY) || !IsWindowEnabled(Handle()) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(Handle()), ask, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Handle())));
    if (!brush) brush = GetSysColorBrush(COLOR_WINDOW);
    FillRect(dc, &above, brush);
    FillRect(dc, &below, brush);
    ReleaseDC(Handle(), dc);
}

void TextBoxPeer::Reframe() {
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

int TextBoxPeer::LineHeight() {
    HDC dc = GetDC(Handle());
    TEXTMETRICW metrics{};
    {
        Selected font(dc, reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc, &metrics);
    }
    ReleaseDC(Handle(), dc);
    return metrics.tmHeight;
}

}  // namespace brivex::ui
