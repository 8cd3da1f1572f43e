#pragma once
// The finishing window's background: its ground (graphics/Ground.h), a quiet
// column for the pictures, and the white sheet under the report, as tall as
// the report once fully revealed; in pixels at the window's dots per inch.

#include "graphics/Ground.h"
#include "graphics/Shapes.h"

namespace brivex {

struct RebootBackground {
    Ground ground;
    RoundBox column;
    RoundBox sheet;
};

RebootBackground LayOutRebootBackground(int width, int height, int dpi);

}  // namespace brivex
