#pragma once
// The main window's background: its ground (graphics/Ground.h), the quiet
// panel the left column of buttons stands on, and the version line at the
// foot, in pixels at the window's dots per inch.

#include "graphics/Ground.h"
#include "graphics/Shapes.h"

namespace brivex {

struct HomeBackground {
    Ground ground;
    RoundBox panel;
    int panelOutline = 1;  // pixels
    Rect version;
    int versionHeight = 0;  // the character height of the version line
};

HomeBackground LayOutHomeBackground(int width, int height, int dpi);

}  // namespace brivex
