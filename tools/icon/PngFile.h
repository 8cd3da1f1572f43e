#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brivex::icon {

// A PNG file of a picture with alpha (8-bit RGBA, no interlace). Its rows go
// unfiltered (the mark's flat colours and long runs of clear pixels compress
// best so) into zlib at its highest level with its default strategy: the same
// pixels always give the same bytes with the same zlib.
// `pixels`: width x height, top row first, each 0xAARRGGBB, straight alpha.
std::string PngFile(int width, int height, const std::vector<std::uint32_t>& pixels);

}  // namespace brivex::icon
