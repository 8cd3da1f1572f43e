#include "graphics/win32/GdiText.h"

#include <string>

#include "graphics/win32/FontRequest.h"
#include "graphics/win32/Gdi.h"
#include "platform/win32/WideText.h"

namespace brivex {

namespace {

// The font for one call, at the resolution of the window the text goes to.
GdiObject<HFONT> FontAt(int dpi, const TextFont& font) {
    return GdiObject<HFONT>(MakeFont({font.face, FontHeight(font.points, dpi), font.bold ? FW_BOLD : FW_NORMAL,
                                      font.italic, font.underline, font.strikethrough}));
}

}  // namespace

Size MeasureTextGdi(HDC dc, std::string_view text, const TextFont& font, int dpi) {
    const GdiObject<HFONT> made = FontAt(dpi, font);
    const Selected selected(dc, made.Get());
    const std::wstring wide = Widen(text);
    RECT bounds = {0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds, DT_SINGLELINE | DT_CALCRECT);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void DrawTextGdi(HDC dc, const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour, int dpi) {
    const GdiObject<HFONT> made = FontAt(dpi, font);
    const Selected selected(dc, made.Get());
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = SetTextColor(dc, colour);
    const std::wstring wide = Widen(text);
    RECT bounds = {rect.left, rect.top, rect.right, rect.bottom};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds, DT_SINGLELINE);
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);
}

}  // namespace brivex
