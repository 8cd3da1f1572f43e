#pragma once
// The program's mark: a gauge in a ring. The windows paint it in their
// headers, and the program's icon is made of it when the program is built, so
// both come from this one drawing.

#include <cstdint>
#include <vector>

namespace brivex {

// The mark filling a square of `size` pixels: size x size pixels, top row
// first, each 0xAARRGGBB with its colour not multiplied by its alpha. Its round
// edges are smoothed (alpha is the share of the pixel the mark covers), and
// the strokes keep at least a pixel's width, so it still reads at 16 pixels.
std::vector<std::uint32_t> DrawEmblem(int size);

}  // namespace brivex
