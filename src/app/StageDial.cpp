#include "app/StageDial.h"

#include <algorithm>
#include <cmath>

namespace brivex {

StageDial LayOutStageDial(const Rect& area, int stage) {
    const int size = std::min(area.Width(), area.Height());
    const int cx = area.left + size / 2;
    const int cy = area.top + size / 2;
    const int r = size / 2 - 4;
    constexpr double kPi = 3.14159265358979;
    const double sweep = 2 * kPi * stage / kStages;
    return {
        .dial = {cx, cy, r},
        .fill = {cx - r + 2, cy - r + 2, cx + r - 1, cy + r - 1},
        .sweepStart = {cx, cy - r},
        .sweepEnd = {cx + static_cast<int>(std::lround(r * std::sin(sweep))),
                     cy - static_cast<int>(std::lround(r * std::cos(sweep)))},
        .hub = {cx, cy, r / 2},
        .label = {cx - r / 2, cy - r / 2, cx + r / 2, cy + r / 2},
        .labelHeight = r / 2 + 4,
    };
}

}  // namespace brivex
