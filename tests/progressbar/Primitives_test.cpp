#include "progressbar/Primitives.h"

#include <gtest/gtest.h>

#include "graphics/PixelCanvas.h"

namespace brivex {
namespace {

constexpr ColorRef kPaper = 0xFFFFFF;

// The painted area of a canvas as the rectangle around every non-paper pixel.
Rect Painted(const PixelCanvas& canvas) {
    Rect box = {canvas.Width(), canvas.Height(), 0, 0};
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) != kPaper)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box.right == 0 ? Rect{} : box;
}

TEST(Primitives_DrawLine, LeavesOutTheEndPoint) {
    PixelCanvas canvas(20, 10);
    DrawLine(2, 3, 9, 3, canvas, 0x000080);
    EXPECT_EQ(Painted(canvas), (Rect{2, 3, 9, 4}));
    PixelCanvas leftwards(20, 10);
    DrawLine(9, 3, 2, 3, leftwards, 0x000080);
    EXPECT_EQ(Painted(leftwards), (Rect{3, 3, 10, 4}));
}

TEST(Primitives_DrawGradient, HorizontalRowsRunFromXToWAndHIsTheStepCount) {
    PixelCanvas canvas(20, 12);
    DrawGradient(0x000000, 0x0000FC, 2, 1, 10, 4, canvas, false);
    EXPECT_EQ(Painted(canvas), (Rect{2, 1, 10, 6})) << "rows y = 1 to 5, each from x = 2 up to 9";
    const ColorRef expected[] = {0x00, 0x3F, 0x7E, 0xBD, 0xFC};
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(canvas.Pixel(2, 1 + i), expected[i]) << i;
        EXPECT_EQ(canvas.Pixel(9, 1 + i), expected[i]) << i;
    }
}

TEST(Primitives_DrawGradient, VerticalColumnsRunFromYToHAndWIsTheStepCount) {
    PixelCanvas canvas(20, 12);
    DrawGradient(0xFF0000, 0x000000, 1, 2, 3, 6, canvas, true);
    EXPECT_EQ(Painted(canvas), (Rect{1, 2, 5, 6})) << "columns x = 1 to 4, each from y = 2 down to 5";
    EXPECT_EQ(canvas.Pixel(1, 2), 0xFF0000u);
    EXPECT_EQ(canvas.Pixel(2, 5), 0xAA0000u);
    EXPECT_EQ(canvas.Pixel(3, 3), 0x550000u);
    EXPECT_EQ(canvas.Pixel(4, 4), 0x000000u);
}

TEST(Primitives_DrawGradient, ChannelsRoundHalvesToEven) {
    // a step of 126.5: the middle row is 126.5, which goes to 126
    PixelCanvas canvas(8, 8);
    DrawGradient(0x000000, 0x0000FD, 0, 0, 4, 2, canvas, false);
    EXPECT_EQ(canvas.Pixel(0, 1), 0x00007Eu);
    EXPECT_EQ(canvas.Pixel(0, 2), 0x0000FDu);
}

TEST(Primitives_DrawGradient, StepIsSinglePrecision) {
    // 1/6 as a single is a little above 1/6: three steps make just over 0.5,
    // which rounds to 1 (in double it would be exactly 0.5 and round to 0).
    PixelCanvas canvas(8, 8);
    DrawGradient(0x000000, 0x000001, 0, 0, 4, 6, canvas, false);
    EXPECT_EQ(canvas.Pixel(0, 3), 0x000001u);
}

TEST(Primitives_DrawGradient, ZeroStepsDrawOneLineInTheFirstColourAndNegativeNone) {
    PixelCanvas vertical(20, 12);
    DrawGradient(0x123456, 0xABCDEF, 5, 1, 0, 9, vertical, true);
    EXPECT_EQ(Painted(vertical), (Rect{5, 1, 6, 9}));
    EXPECT_EQ(vertical.Pixel(5, 4), 0x123456u);

    PixelCanvas horizontal(20, 12);
    DrawGradient(0x123456, 0xABCDEF, 3, 7, 11, 0, horizontal, false);
    EXPECT_EQ(Painted(horizontal), (Rect{3, 7, 11, 8}));
    EXPECT_EQ(horizontal.Pixel(10, 7), 0x123456u);

    PixelCanvas negative(20, 12);
    DrawGradient(0x123456, 0xABCDEF, 3, 2, -4, 9, negative, true);
    DrawGradient(0x123456, 0xABCDEF, 3, 2, 9, -1, negative, false);
    EXPECT_EQ(Painted(negative), Rect{});
}

// Counts the lines asked for and keeps the last one's start.
class CountingCanvas final : public PixelCanvas {
public:
    using PixelCanvas::PixelCanvas;
    void Line(int x1, int y1, int x2, int y2, ColorRef colour) override {
        ++lines;
        last = {x1, y1};
        PixelCanvas::Line(x1, y1, x2, y2, colour);
    }
    long long lines = 0;
    Size last;
};

TEST(Primitives_DrawGradient, LinesPastTheLargest16BitCoordinateAreLeftOut) {
    CountingCanvas vertical(8, 8);
    DrawGradient(0x000000, 0xFFFFFF, 2, 0, 2'000'000, 5, vertical, true);
    EXPECT_EQ(vertical.lines, 32766);
    EXPECT_EQ(vertical.last, (Size{32767, 0}));
    EXPECT_EQ(vertical.Pixel(2, 1), 0x000000u) << "the colours still step over all 2 000 000";

    CountingCanvas horizontal(8, 8);
    DrawGradient(0x000000, 0xFFFFFF, 0, -3, 6, 1'000'000, horizontal, false);
    EXPECT_EQ(horizontal.lines, 32771);
    EXPECT_EQ(horizontal.last, (Size{0, 32767}));
}

}  // namespace
}  // namespace brivex
