// The backgrounds' parts at every resolution: scaled with the window and inside it.

#include "graphics/Ground.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/Units.h"

namespace brivex {
namespace {

bool Inside(const Rect& in, const Rect& out) {
    return in.left >= out.left && in.top >= out.top && in.right <= out.right && in.bottom <= out.bottom;
}

TEST(Ground, ScalesWithTheWindowAndStaysInsideItAtEveryResolution) {
    struct Case {
        const char* window;
        int width;  // design pixels at 96 dots per inch
        int height;
        Ground (*lay)(int width, int height, int dpi);
    };
    const Case cases[] = {
        {"main window", 600, 440, [](int w, int h, int dpi) { return MainWindowGround(w, h, dpi); }},
        {"settings", 560, 384, [](int w, int h, int dpi) { return ToolWindowGround(w, h, dpi, 44, 80); }},
        {"finishing window", 545, 295, [](int w, int h, int dpi) { return ToolWindowGround(w, h, dpi, 44, 12); }},
    };
    for (const Case& c : cases) {
        const Ground base = c.lay(c.width, c.height, kDesignDpi);
        for (const int dpi : {96, 120, 144, 192}) {
            const Rect area{0, 0, ScaleDesignPixels(c.width, dpi), ScaleDesignPixels(c.height, dpi)};
            const Ground g = c.lay(area.right, area.bottom, dpi);
            const std::string at = std::string(c.window) + " at " + std::to_string(dpi);
            EXPECT_TRUE(Inside(g.band, area) && Inside(g.rule, area) && Inside(g.sheet, area)) << at;
            EXPECT_TRUE(g.rule.top == g.band.bottom && g.sheet.bottom == area.bottom) << at << ": rule and sheet";
            const Circle& m = g.mark;
            EXPECT_TRUE(Inside(g.title, g.band) &&
                        Inside({m.x - m.radius, m.y - m.radius, m.x + m.radius, m.y + m.radius}, g.band))
                << at << ": on the band";
            const int lengths[][2] = {{g.band.bottom, base.band.bottom},
                                      {g.rule.bottom, base.rule.bottom},
                                      {m.x, base.mark.x},
                                      {m.y, base.mark.y},
                                      {m.radius, base.mark.radius},
                                      {g.title.left, base.title.left},
                                      {g.title.right, base.title.right},
                                      {g.title.bottom, base.title.bottom},
                                      {g.titleHeight, base.titleHeight}};
            for (const auto& [length, designed] : lengths)  // by the window's factor, give or take a pixel
                EXPECT_LE(std::abs(length * kDesignDpi - designed * dpi), dpi) << at << ": " << designed;
        }
    }
}

}  // namespace
}  // namespace brivex
