#pragma once
// The one-pixel drawing the bar's looks are built from. Colours here are plain
// (already translated); the control's public DrawLine and DrawGradient
// translate system colours before they come here.

#include "graphics/Canvas.h"

namespace brivex {

// The end point itself is not painted.
inline void DrawLine(int x1, int y1, int x2, int y2, Canvas& canvas, ColorRef colour) {
    canvas.Line(x1, y1, x2, y2, colour);
}

// Lines in colours stepping from colour1 to colour2. W (vertical) or H
// (horizontal) is both the number of steps and the far end of every line:
// vertical gradients draw columns X to X + W, each from y = Y down to y = H;
// horizontal ones rows Y to Y + H, each from x = X to x = W. A count of 0 draws
// one line in colour1, a negative count nothing. Lines past the coordinate
// 32767 are left out.
void DrawGradient(ColorRef colour1, ColorRef colour2, int x, int y, int w, int h, Canvas& canvas, bool vertical);

// The one-pixel outline of `rect`, in the colour exactly as given.
inline void FrameWithColor(const Rect& rect, ColorRef colour, Canvas& canvas) { canvas.FrameRect(rect, colour); }

// `rect` without its right and bottom edges.
inline void FillWithColor(const Rect& rect, ColorRef colour, Canvas& canvas) { canvas.FillRect(rect, colour); }

}  // namespace brivex
