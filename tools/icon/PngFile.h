#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brivex::icon {

// A PNG file of a picture with alpha (8-bit RGBA, no interlace). Its image
// data goes in stored deflate blocks: the file is as large as the pixels, and
// the same pixels always give the same bytes.
// `pixels`: width x height, top row first, each 0xAARRGGBB, straight alpha.
std::string PngFile(int width, int height, const std::vector<std::uint32_t>& pixels);

// The check sums the format asks for, over `bytes`.
std::uint32_t Crc32(const std::string& bytes);
std::uint32_t Adler32(const std::string& bytes);

}  // namespace brivex::icon
