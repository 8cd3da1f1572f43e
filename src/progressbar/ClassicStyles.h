#pragma once
// StyleFlat to StyleGlossy: each draws its own edge or frame and its fill over
// the whole client rectangle, whatever the orientation.

#include "graphics/Canvas.h"
#include "progressbar/BarDrawing.h"

namespace brivex {

void DrawFlatStyle(Canvas& hdc, const BarLook& look, DrawScratch& scratch);
void DrawEtchedStyle(Canvas& hdc, const BarLook& look, DrawScratch& scratch);
void DrawShadedStyle(Canvas& hdc, const BarLook& look, DrawScratch& scratch);
void DrawDarkStyle(Canvas& hdc, const BarLook& look, DrawScratch& scratch);
void DrawHatchedStyle(Canvas& hdc, const BarLook& look, DrawScratch& scratch);
void DrawPictureStyle(Canvas& hdc, const BarLook& look, DrawScratch& scratch);
void DrawGlossyStyle(Canvas& hdc, const BarLook& look, DrawScratch& scratch);

}  // namespace brivex
