#pragma once

#include <windows.h>

#include <string_view>

#include "graphics/Canvas.h"

namespace brivex {

// One line of text through GDI, in a font made from its description at `dpi`
// for the call and freed after it; the surface's font, text colour and
// background mode are put back.
Size MeasureTextGdi(HDC dc, std::string_view text, const TextFont& font, int dpi);
void DrawTextGdi(HDC dc, const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour, int dpi);

}  // namespace brivex
