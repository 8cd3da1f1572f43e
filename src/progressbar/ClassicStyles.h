#pragma once
// StyleFlat to StyleGlossy: each draws its own edge or frame and its fill over
// the whole client rectangle, whatever the orientation.

#include "graphics/Canvas.h"
#include "progressbar/BarDrawing.h"

namespace brivex {

void DrawFlatStyle(Canvas& canvas, const BarLook& look, DrawScratch& scratch);
void DrawEtchedStyle(Canvas& canvas, const BarLook& look, DrawScratch& scratch);
void DrawShadedStyle(Canvas& canvas, const BarLook& look, DrawScratch& scratch);
void DrawDarkStyle(Canvas& canvas, const BarLook& look, DrawScratch& scratch);
void DrawHatchedStyle(Canvas& canvas, const BarLook& look, DrawScratch& scratch);
void DrawPictureStyle(Canvas& canvas, const BarLook& look, DrawScratch& scratch);
void DrawGlossyStyle(Canvas& canvas, const BarLook& look, DrawScratch& scratch);

}  // namespace brivex
