#include "optimise/RebootPictures.h"

#include <algorithm>

namespace brivex {

namespace {

int SquareSide(const Rect& area) { return std::min(area.Width(), area.Height()); }

}  // namespace

DonePicture LayOutDonePicture(const Rect& area) {
    const int size = SquareSide(area);
    const int x = area.left;
    const int y = area.top;
    const auto at = [size](int percent) { return size * percent / 100; };
    const int standTop = y + at(70);
    const Rect screen{x + at(10), y + at(12), x + at(90), standTop - at(2)};
    const int r = screen.Height() * 36 / 100;
    const int cx = (screen.left + screen.right) / 2;
    const int cy = (screen.top + screen.bottom) / 2;
    return {
        .stand = {{x + at(38), standTop, x + at(62), y + at(86)}, 0},
        .foot = {{x + at(22), y + at(84), x + at(78), y + at(94)}, size / 12},
        .monitor = {{x + at(4), y + at(6), x + at(96), standTop + at(4)}, size / 10},
        .screen = screen,
        .light = {cx, cy, r},
        // Sized to the light it sits in.
        .tick = {std::max(2, r / 3), {{{cx - r / 2, cy}, {cx - r / 8, cy + r * 3 / 8}, {cx + r / 2, cy - r * 3 / 8}}}},
    };
}

BootPicture LayOutBootPicture(const Rect& area) {
    const int size = SquareSide(area);
    const int cx = area.left + size / 2;
    const int cy = area.top + size / 2;
    const int ring = (size / 2 - 1) * 55 / 100;
    const int width = std::max(2, size / 10);
    return {
        .button = {cx, cy, size / 2 - 1},
        .ring = {cx - ring, cy - ring, cx + ring + 1, cy + ring + 1},
        // From the upper left round to the upper right: the gap stays on top.
        .ringStart = {cx - ring / 2, cy - ring},
        .ringEnd = {cx + ring / 2, cy - ring},
        .bar = {cx, cy - ring - width / 2, cx, cy},
        .strokeWidth = width,
    };
}

ProcessorPicture LayOutProcessorPicture(const Rect& area) {
    const int size = SquareSide(area);
    const int x = area.left;
    const int y = area.top;
    const int inset = size * 18 / 100;
    ProcessorPicture shapes;
    shapes.pinWidth = std::max(1, size / 16);
    shapes.chip = {{x + inset, y + inset, x + size - inset, y + size - inset}, size / 8};
    shapes.core = {x + size * 34 / 100, y + size * 34 / 100, x + size * 66 / 100, y + size * 66 / 100};
    for (int pin = 0; pin < 4; ++pin) {
        const int at = inset + (size - 2 * inset) * (2 * pin + 1) / 8;
        shapes.pins[2 * pin] = {x + at, y + 1, x + at, y + size - 2};
        shapes.pins[2 * pin + 1] = {x + 1, y + at, x + size - 2, y + at};
    }
    return shapes;
}

DiskPicture LayOutDiskPicture(const Rect& area) {
    const int size = SquareSide(area);
    const int x = area.left;
    const int y = area.top;
    const int r = size * 28 / 100;
    return {
        .drive = {{x + 2, y + size * 8 / 100, x + size - 2, y + size * 92 / 100}, size / 5},
        .platter = {x + size / 2, y + size * 44 / 100, r},
        .spindle = {x + size / 2, y + size * 44 / 100, std::max(1, r / 4)},
        .light = {x + size * 78 / 100, y + size * 80 / 100, std::max(1, size / 14)},
    };
}

}  // namespace brivex
