#pragma once

#include "graphics/Canvas.h"

namespace brivex {

constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kSilver = 0xC0C0C0;

// Moves each channel towards 255 by `amount` (0 keeps the colour, 255 gives
// white), in integer arithmetic.
ColorRef LightenColor(ColorRef colour, int amount);

// Mixes two plain colours, `amount` parts of 255 of the first: 255 gives
// `colour1`, 0 gives `colour2`.
ColorRef BlendColors(ColorRef colour1, ColorRef colour2, int amount);

}  // namespace brivex
