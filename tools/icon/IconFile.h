#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brivex::icon {

// One picture of an icon: size x size pixels, top row first, each
// 0xAARRGGBB, straight alpha.
struct IconImage {
    int size = 0;
    std::vector<std::uint32_t> pixels;
};

// An icon file (.ico) holding `images` in the given order. As Windows expects
// them: a picture of 256 pixels is stored as a PNG file, every smaller one as a
// 32-bit device-independent bitmap with its alpha and the mask older systems
// draw with.
std::string IconFile(const std::vector<IconImage>& images);

}  // namespace brivex::icon
