#pragma once
// What a user sees of a window's art at any resolution: each shape where it
// belongs (inside the window, a sign on the header band), and every edge moved
// by the window's factor, give or take two pixels for the rounding of a few scaled lengths.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "base/Units.h"
#include "graphics/Shapes.h"

namespace brivex::testing {

struct Placed {
    const char* name;
    Rect shape;
    Rect within;
};

inline Rect Covered(const Circle& c) {
    return {c.x - c.radius, c.y - c.radius, c.x + c.radius + 1, c.y + c.radius + 1};
}
inline Rect Covered(const Segment& s) {
    return {std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2), std::max(s.y1, s.y2)};
}
inline bool Inside(const Rect& in, const Rect& out) {
    return in.left >= out.left && in.top >= out.top && in.right <= out.right && in.bottom <= out.bottom;
}

// `lay` gives the shapes of a window `width` by `height` pixels at `dpi`;
// the window is `designWidth` by `designHeight` pixels at 96 dots per inch.
inline void ExpectPlacedAndScaled(int designWidth, int designHeight,
                                  const std::function<std::vector<Placed>(int width, int height, int dpi)>& lay) {
    const std::vector<Placed> base = lay(designWidth, designHeight, kDesignDpi);
    for (const int dpi : {96, 120, 144, 192}) {
        const std::vector<Placed> shapes =
            lay(ScaleDesignPixels(designWidth, dpi), ScaleDesignPixels(designHeight, dpi), dpi);
        ASSERT_EQ(shapes.size(), base.size());
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            const Rect& s = shapes[i].shape;
            const Rect& b = base[i].shape;
            const std::string at = std::string(shapes[i].name) + " at " + std::to_string(dpi);
            EXPECT_TRUE(Inside(s, shapes[i].within)) << at;
            for (const auto& [edge, designed] :
                 {std::pair{s.left, b.left}, {s.top, b.top}, {s.right, b.right}, {s.bottom, b.bottom}})
                EXPECT_LE(std::abs(edge * kDesignDpi - designed * dpi), 2 * kDesignDpi) << at << ": " << designed;
        }
    }
}

}  // namespace brivex::testing
