#pragma once
// The stage pictures of the main window: a dial whose filled part grows
// stage by stage, the eighth full; before any optimisation the dial holds the
// program's mark. Laid out in the square at the top left of the picture's
// area, whatever the area's size.

#include "graphics/Marks.h"
#include "graphics/Shapes.h"

namespace brivex {

inline constexpr int kStages = 8;

struct StageDial {
    Circle dial;
    // The filled part: a pie in `fill`'s ellipse from `sweepStart` (the top)
    // clockwise to `sweepEnd`; the last stage fills the whole ellipse.
    Rect fill;
    MarkPoint sweepStart;
    MarkPoint sweepEnd;
    // The white hub over the fill, and the square its number or tick goes in;
    // stage 0 shows the mark in the hub's circle.
    Circle hub;
    Rect label;
    int labelHeight = 0;
};

StageDial LayOutStageDial(const Rect& area, int stage);

}  // namespace brivex
