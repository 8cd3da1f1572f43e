#pragma once
// Marks the program draws as strokes rather than as characters: a font need
// not have a tick or a cross, and a character missing from it shows as an
// empty box. Each mark is the centre line of a round pen, placed so that the
// whole stroke, ends included, stays inside the box it was made for.

#include <vector>

#include "graphics/Canvas.h"

namespace brivex {

struct MarkPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const MarkPoint&, const MarkPoint&) = default;
};

struct StrokedMark {
    int penWidth = 1;
    // Each stroke is one polyline.
    std::vector<std::vector<MarkPoint>> strokes;
};

// The square centred in `area` whose side is `percent` of the area's shorter side.
Rect CentredSquare(const Rect& area, int percent);

// A tick: a short stroke down to its foot, then a long one up to the right.
StrokedMark CheckMark(const Rect& box);
// A cross: the two diagonals.
StrokedMark CloseMark(const Rect& box);

// The picture of the program's own that shows the cross on a close button.
inline constexpr char kCloseMarkPicture[] = "mark.close";

}  // namespace brivex
