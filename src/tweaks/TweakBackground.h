#pragma once
// The tweak panel's background: its ground (graphics/Ground.h), its sign at
// the band's right end (three sliders), and one quiet sheet per column of
// boxes, ruled between the rows so each box meets its state; in pixels at the
// window's dots per inch.

#include <array>
#include <vector>

#include "graphics/Ground.h"
#include "graphics/Shapes.h"

namespace brivex {

struct TweakSlider {
    Segment track;
    Circle knob;
};

struct TweakColumn {
    RoundBox sheet;
    std::vector<Segment> rules;  // one-pixel lines between the rows
};

struct TweakBackground {
    Ground ground;
    std::array<TweakSlider, 3> sliders;
    int trackWidth = 1;
    std::vector<TweakColumn> columns;
};

TweakBackground LayOutTweakBackground(int width, int height, int dpi);

}  // namespace brivex
