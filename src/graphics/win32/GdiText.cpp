#include "graphics/win32/GdiText.h"

#include <string>

#include "platform/win32/Win32AnsiCodec.h"
#include "ui/win32/FontRequest.h"
#include "ui/win32/Gdi.h"

namespace brivex {

namespace {

// The font for one call, at the surface's own resolution.
ui::GdiObject<HFONT> FontOn(HDC dc, const TextFont& font) {
    return ui::GdiObject<HFONT>(ui::MakeFont({font.face, ui::FontHeight(font.points, GetDeviceCaps(dc, LOGPIXELSY)),
                                              font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline,
                                              font.strikethrough}));
}

}  // namespace

Size MeasureTextGdi(HDC dc, std::string_view text, const TextFont& font) {
    const ui::GdiObject<HFONT> made = FontOn(dc, font);
    const ui::Selected selected(dc, made.Get());
    const std::wstring wide = Widen(text);
    RECT bounds = {0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds, DT_SINGLELINE | DT_CALCRECT);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void DrawTextGdi(HDC dc, const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour) {
    const ui::GdiObject<HFONT> made = FontOn(dc, font);
    const ui::Selected selected(dc, made.Get());
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = SetTextColor(dc, colour);
    const std::wstring wide = Widen(text);
    RECT bounds = {rect.left, rect.top, rect.right, rect.bottom};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds, DT_SINGLELINE);
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);
}

}  // namespace brivex
