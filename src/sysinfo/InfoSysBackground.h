#pragma once
// The system information window's background: its ground
// (graphics/Ground.h), its sign left of the close button (a chip with its
// pins), the rail behind the panel buttons and the sheet the panels stand
// on, in pixels at the window's dots per inch.

#include <array>

#include "graphics/Ground.h"
#include "graphics/Shapes.h"

namespace brivex {

struct InfoSysBackground {
    Ground ground;
    std::array<Segment, 8> pins;  // across and down, pin by pin
    int pinWidth = 1;
    RoundBox chip;
    int chipOutline = 1;
    RoundBox rail;
    RoundBox sheet;
};

InfoSysBackground LayOutInfoSysBackground(int width, int height, int dpi);

}  // namespace brivex
