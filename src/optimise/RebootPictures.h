#pragma once
// The finishing window's pictures, each laid out in the square at the top
// left of its area, whatever the area's size: the optimised machine, the
// boot, the processor and the disk.

#include <array>

#include "graphics/Marks.h"
#include "graphics/Shapes.h"

namespace brivex {

// A screen on its stand showing a tick in a green light.
struct DonePicture {
    RoundBox stand;
    RoundBox foot;
    RoundBox monitor;
    Rect screen;
    Circle light;
    StrokedMark tick;
};

// The power symbol on a round button: a ring open at the top, from
// `ringStart` counter-clockwise to `ringEnd`, and a bar down into it.
struct BootPicture {
    Circle button;
    Rect ring;
    MarkPoint ringStart;
    MarkPoint ringEnd;
    Segment bar;
    int strokeWidth = 2;
};

// A chip with four pins each way.
struct ProcessorPicture {
    std::array<Segment, 8> pins;  // down and across, pin by pin
    int pinWidth = 1;
    RoundBox chip;
    Rect core;
};

// A drive with its platter and a light.
struct DiskPicture {
    RoundBox drive;
    Circle platter;
    Circle spindle;
    Circle light;
};

DonePicture LayOutDonePicture(const Rect& area);
BootPicture LayOutBootPicture(const Rect& area);
ProcessorPicture LayOutProcessorPicture(const Rect& area);
DiskPicture LayOutDiskPicture(const Rect& area);

}  // namespace brivex
