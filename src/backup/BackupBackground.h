#pragma once
// The backup window's background: its ground (graphics/Ground.h) and its
// sign left of the close button, a stack of saved copies, in pixels at the
// window's dots per inch.

#include <array>

#include "graphics/Ground.h"
#include "graphics/Shapes.h"

namespace brivex {

struct BackupBackground {
    Ground ground;
    // From the back of the stack to the front; the front copy is gold.
    std::array<RoundBox, 3> copies;
    Segment label;  // the line written on the front copy
    int labelWidth = 1;
};

BackupBackground LayOutBackupBackground(int width, int height, int dpi);

}  // namespace brivex
