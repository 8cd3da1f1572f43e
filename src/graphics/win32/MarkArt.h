#pragma once

#include <windows.h>

#include "graphics/Marks.h"

namespace brivex::art {

// Draws the mark's strokes with a round pen of its width.
void DrawMark(HDC dc, const StrokedMark& mark, COLORREF color);

// The marks a button may show in place of a caption, as pictures of the
// program's own: the cross of kCloseMarkPicture. Each is drawn in the surface's text colour,
// so it takes the colour the button gives its caption.
void RegisterMarkArt();

}  // namespace brivex::art
