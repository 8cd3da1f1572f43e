#include "graphics/Emblem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace brivex {
namespace {

// The colour of the mark's part that `pixel` is closest to.
std::uint32_t NearestPart(std::uint32_t pixel, const std::vector<std::uint32_t>& parts) {
    const auto distance = [pixel](std::uint32_t part) {
        int sum = 0;
        for (const int shift : {0, 8, 16}) {
            const int d = static_cast<int>((pixel >> shift) & 0xFF) - static_cast<int>((part >> shift) & 0xFF);
            sum += d * d;
        }
        return sum;
    };
    return *std::min_element(parts.begin(), parts.end(),
                             [&](std::uint32_t a, std::uint32_t b) { return distance(a) < distance(b); });
}

// The mark at the icon's sizes and the windows' own: every part still shows
// (some covered pixel is closer to its colour than to any other), the hub is
// at the centre, and the corners stay clear.
TEST(Emblem, EveryPartShowsAtEverySizeOnAClearGround) {
    const std::vector<std::uint32_t> parts = {0xFF9CC6F2 /* rim */, 0xFFFFFFFF /* ring */, 0xFF1C4F93 /* edge */,
                                              0xFF2F78C8 /* dial */, 0xFFFFC83C /* needle */};
    for (const int size : {16, 20, 24, 32, 35, 57, 256}) {
        const std::vector<std::uint32_t> pixels = DrawEmblem(size);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size) * size);
        EXPECT_EQ(pixels.front(), 0u) << size;
        EXPECT_EQ(pixels.back(), 0u) << size;
        EXPECT_EQ(pixels[static_cast<std::size_t>(size / 2) * size + size / 2], 0xFFFFC83Cu) << size << ": the hub";
        std::set<std::uint32_t> shown;
        for (const std::uint32_t pixel : pixels)
            if (pixel >> 24 == 0xFF) shown.insert(NearestPart(pixel, parts));
        EXPECT_EQ(shown.size(), parts.size()) << size;
    }
}

}  // namespace
}  // namespace brivex
