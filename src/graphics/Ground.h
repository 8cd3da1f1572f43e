#pragma once
// Where the parts of a window's background go: the header band with the
// program's mark and the window's title, the gold rule under it and the light
// sheet below, in pixels at the dots per inch the window is shown at. The
// shapes are designed in pixels at 96 dots per inch and scaled as the
// window's controls are, so they keep their places beside the controls at
// every resolution. Drawing them is the platform's part.

#include "graphics/Canvas.h"
#include "graphics/Shapes.h"

namespace brivex {

struct Ground {
    Rect band;
    Rect rule;
    Rect sheet;
    Circle mark;
    Rect title;
    int titleHeight = 0;        // the character height of the title's text, in pixels
    bool titleCentred = false;  // on the title rectangle's height, or at its top
};

// A tool window's ground, `width` by `height` pixels: a band `band` design
// pixels high, the title centred on it and ending `titleMargin` design pixels
// short of the right edge, where the window's own sign goes.
Ground ToolWindowGround(int width, int height, int dpi, int band, int titleMargin);

// The main window's ground: a taller band with a larger mark, the title at
// the band's top; the sheet starts at the band and the rule lies over it.
Ground MainWindowGround(int width, int height, int dpi);

}  // namespace brivex
