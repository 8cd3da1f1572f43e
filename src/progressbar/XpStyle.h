#pragma once
// The XP-like look shared by StyleChunks, StyleSmooth, StyleSearching and every
// `Scrolling` value outside 0 to 9: a progress rectangle worked out three
// pixels in from the left, a glossy fill (or three moving blocks), white gaps
// between chunks, and a frame with hand-set corner pixels.

#include "graphics/Canvas.h"
#include "progressbar/BarDrawing.h"

namespace brivex {

void ComputeProgressRect(const BarLook& look, DrawScratch& scratch);
void DrawXpFill(Canvas& canvas, const BarLook& look, DrawScratch& scratch);
void DrawChunkGaps(Canvas& canvas, const BarLook& look, DrawScratch& scratch);
// Also takes back the three pixels ComputeProgressRect moved the client's left by.
void DrawXpFrame(Canvas& canvas, DrawScratch& scratch);

}  // namespace brivex
