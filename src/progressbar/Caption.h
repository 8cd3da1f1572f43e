#pragma once
// The percentage text, or "Searching.." for StyleSearching, centred on the
// bar. StyleDark and StyleGlossy draw it in two tones: the part over the
// filled bar in a second colour.

#include "graphics/Canvas.h"
#include "progressbar/BarDrawing.h"

namespace brivex {

void DrawCaption(Canvas& canvas, const BarLook& look, DrawScratch& scratch);

}  // namespace brivex
