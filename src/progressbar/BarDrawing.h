#pragma once
// What one redraw of the bar works with: the control's properties as they are
// when it starts, and the drawing scratch the control keeps between redraws.
// Coordinates are client pixels; "nearest" rounds to the nearest integer with
// ties to the even neighbour; integer arithmetic is 32-bit.

#include <cstdint>

#include "base/Numbers.h"
#include "graphics/Canvas.h"

namespace brivex {

struct BarLook {
    ColorRef color;  // translated
    std::int32_t percentage;
    std::int32_t orientation;
    std::int32_t scrolling;
    std::int32_t brushStyle;
    const Picture* image;  // null when the bar has none
    bool showText;
    const TextFont& font;

    bool Horizontal() const { return orientation == 0; }
};

struct DrawScratch {
    Rect client;    // C
    Rect progress;  // P
    Rect gap;       // G
    Rect text;      // T
    double fraction = 0;
    int chunkWidth = 0;
    int chunkGap = 0;
};

// The bar's sizes and percentages stay far inside the 32-bit range.
inline int Nearest(double value) { return ToInt32(value).value_or(0); }

}  // namespace brivex
