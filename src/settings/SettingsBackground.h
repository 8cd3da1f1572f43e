#pragma once
// The settings window's background: its ground (graphics/Ground.h) and its
// sign at the band's right end, a cog, in pixels at the window's dots per inch.

#include <array>

#include "graphics/Ground.h"
#include "graphics/Shapes.h"

namespace brivex {

struct SettingsBackground {
    Ground ground;
    // The cog: teeth as strokes from its centre, the wheel over them, the hub.
    std::array<Segment, 8> teeth;
    int toothWidth = 2;
    Circle wheel;
    Circle hub;
};

SettingsBackground LayOutSettingsBackground(int width, int height, int dpi);

}  // namespace brivex
