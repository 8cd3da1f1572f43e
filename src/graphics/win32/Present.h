#pragma once

#include <windows.h>

#include "graphics/PixelCanvas.h"

namespace brivex {

// Puts a software surface's pixels on a device context, exactly as they are,
// in one transfer. Only the part of `block` that lies on the canvas is shown,
// at the place it would take if the whole block were.
void Present(const PixelCanvas& canvas, const Rect& block, HDC target, int x, int y);
void Present(const PixelCanvas& canvas, HDC target, int x, int y);

}  // namespace brivex
