// Presenting a software surface on a device context puts its exact pixels
// there, clipped as a copy between two software surfaces is.

#include "graphics/win32/Present.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "base/Units.h"
#include "graphics/win32/DibCanvas.h"

namespace brivex {
namespace {

constexpr ColorRef kBackground = 0x00FF00FF;

// Every pixel different, so a shift by one row or column shows.
void Paint(PixelCanvas& canvas) {
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            canvas.SetPixel(x, y, static_cast<ColorRef>(0x010000 * (y * 7 + 1) + 0x000100 * (x * 5 + 3) + 0x21));
}

std::string Difference(const PixelCanvas& expected, const PixelCanvas& got) {
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            if (expected.Pixel(x, y) != got.Pixel(x, y)) {
                std::ostringstream out;
                out << "at " << x << "," << y << ": " << std::hex << got.Pixel(x, y) << " instead of "
                    << expected.Pixel(x, y);
                return out.str();
            }
    return {};
}

TEST(Present_Pixels, EqualACopyBetweenSoftwareSurfacesWhateverTheBlock) {
    PixelCanvas source(13, 9);
    Paint(source);
    struct Case {
        Rect block;
        int x, y;
    };
    const Case cases[] = {
        {{0, 0, 13, 9}, 0, 0},  {{0, 0, 13, 9}, 4, 3},  {{2, 1, 9, 7}, 5, 6},
        {{-3, -2, 6, 5}, 1, 1}, {{8, 5, 30, 20}, 0, 0}, {{-4, -4, 40, 40}, 6, 2},
        {{3, 3, 3, 8}, 0, 0},   {{20, 0, 25, 9}, 0, 0}, {{0, 0, 13, 9}, -5, -4},
    };
    for (const Case& c : cases) {
        auto screen = DibCanvas::Create(24, 16, kDesignDpi);
        ASSERT_TRUE(screen);
        screen->FillRect({0, 0, 24, 16}, kBackground);
        Present(source, c.block, screen->Dc(), c.x, c.y);
        GdiFlush();
        PixelCanvas expected(24, 16);
        expected.FillRect({0, 0, 24, 16}, kBackground);
        expected.CopyFrom(source, c.block.left, c.block.top, c.block.Width(), c.block.Height(), c.x, c.y);
        EXPECT_EQ(Difference(expected, *screen), "") << c.block.left << "," << c.block.top << "," << c.block.right
                                                     << "," << c.block.bottom << " at " << c.x << "," << c.y;
    }
}

TEST(Present_Pixels, TheWholeSurfaceAtAPlace) {
    PixelCanvas source(5, 4);
    Paint(source);
    auto screen = DibCanvas::Create(10, 8, kDesignDpi);
    ASSERT_TRUE(screen);
    screen->FillRect({0, 0, 10, 8}, kBackground);
    Present(source, screen->Dc(), 3, 2);
    GdiFlush();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 3 && x < 8 && y >= 2 && y < 6;
            EXPECT_EQ(screen->Pixel(x, y), inside ? source.Pixel(x - 3, y - 2) : kBackground) << x << "," << y;
        }
}

}  // namespace
}  // namespace brivex
