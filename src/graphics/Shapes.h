#pragma once
// The shapes the windows' art is laid out in: where each goes is worked out
// in portable code, in pixels, and the platform's art only draws them.

#include "graphics/Canvas.h"

namespace brivex {

struct Circle {
    int x = 0;  // centre
    int y = 0;
    int radius = 0;
    friend bool operator==(const Circle&, const Circle&) = default;
};

// A straight stroke from (x1, y1) to (x2, y2).
struct Segment {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// A rectangle with round corners `corner` pixels across (0: square corners).
struct RoundBox {
    Rect area;
    int corner = 0;
    friend bool operator==(const RoundBox&, const RoundBox&) = default;
};

}  // namespace brivex
