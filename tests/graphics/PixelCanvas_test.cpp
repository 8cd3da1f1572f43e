// The software surface's GDI rules, pinned here natively; under Wine the same
// drawing is compared with GDI's own pixels.

#include "graphics/PixelCanvas.h"

#include <gtest/gtest.h>

#include <string>

namespace brivex {
namespace {

constexpr ColorRef kInk = 0x0000FF;

// The canvas as rows of '.' (white) and '#' (any other colour).
std::string Sketch(const PixelCanvas& canvas) {
    std::string rows;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) rows += canvas.Pixel(x, y) == 0xFFFFFF ? '.' : '#';
        rows += '\n';
    }
    return rows;
}

TEST(PixelCanvas_Blocks, ANegativeExtentIsMirroredAboutItsStart) {
    PixelCanvas canvas(8, 6);
    canvas.FillRect({6, 4, 2, 1}, kInk);  // covers x = 3 to 6, y = 2 to 4
    EXPECT_EQ(Sketch(canvas),
              "........\n"
              "........\n"
              "...####.\n"
              "...####.\n"
              "...####.\n"
              "........\n");
}

TEST(PixelCanvas_Blocks, FillsAreClippedToTheSurface) {
    PixelCanvas canvas(4, 3);
    canvas.FillRect({-5, -5, 2, 2}, kInk);
    canvas.FillRect({3, 2, 100, 100}, kInk);
    EXPECT_EQ(Sketch(canvas),
              "##..\n"
              "##..\n"
              "...#\n");
}

// A bar in a window with no height yet has such surfaces; the sanitizers see
// any address taken past their pixels.
TEST(PixelCanvas_Blocks, SurfacesWithoutPixelsAndBlocksOffTheSurfaceDrawNothing) {
    for (const Size size : {Size{0, 0}, Size{7, 0}, Size{0, 5}}) {
        PixelCanvas empty(size.width, size.height);
        empty.FillRect({0, 0, 7, 5}, kInk);
        empty.FrameRect({0, 0, 7, 5}, kInk);
        empty.Line(0, 0, 7, 0, kInk);
        empty.Line(0, 0, 0, 5, kInk);
        EXPECT_EQ(empty.Pixel(0, 0), 0xFFFFFFFFu);
    }
    PixelCanvas canvas(4, 3);
    canvas.FillRect({1, 3, 3, 9}, kInk);
    canvas.Line(1, 5, 4, 5, kInk);
    EXPECT_EQ(Sketch(canvas),
              "....\n"
              "....\n"
              "....\n");
}

TEST(PixelCanvas_Frames, OutlineOnlyAndNothingForAnInvertedRectangle) {
    PixelCanvas canvas(6, 5);
    canvas.FrameRect({1, 1, 5, 4}, kInk);
    canvas.FrameRect({4, 4, 0, 0}, 0x00FF00);
    EXPECT_EQ(Sketch(canvas),
              "......\n"
              ".####.\n"
              ".#..#.\n"
              ".####.\n"
              "......\n");
}

TEST(PixelCanvas_Lines, SlopedLinesPutHalfwayPointsOnTheSmallerCoordinate) {
    PixelCanvas canvas(7, 7);
    canvas.Line(1, 0, 6, 6, kInk);  // x = 1 + 5/6 y: at y = 3 exactly 3.5
    EXPECT_EQ(Sketch(canvas),
              ".#.....\n"
              "..#....\n"
              "...#...\n"
              "...#...\n"
              "....#..\n"
              ".....#.\n"
              ".......\n");
    PixelCanvas upwards(7, 7);
    upwards.Line(6, 6, 1, 0, kInk);  // the same halfway point, drawn from the other end
    EXPECT_EQ(upwards.Pixel(3, 3), kInk);
    EXPECT_EQ(upwards.Pixel(4, 3), 0xFFFFFFu);
}

TEST(PixelCanvas_Lines, APointLineDrawsNothing) {
    PixelCanvas canvas(3, 3);
    canvas.Line(1, 1, 1, 1, kInk);
    EXPECT_EQ(Sketch(canvas), "...\n...\n...\n");
}

TEST(PixelCanvas_Hatches, PatternsAreAlignedOnTheSurfaceOrigin) {
    PixelCanvas canvas(10, 10);
    canvas.FillHatch({1, 1, 10, 10}, HatchCross, kInk, 0xFFFFFF);
    EXPECT_EQ(Sketch(canvas),
              "..........\n"
              "....#.....\n"
              "....#.....\n"
              ".#########\n"
              "....#.....\n"
              "....#.....\n"
              "....#.....\n"
              "....#.....\n"
              "....#.....\n"
              "....#.....\n");
    PixelCanvas unknown(4, 4);
    unknown.FillHatch({0, 0, 4, 4}, 6, kInk, kInk);
    EXPECT_EQ(Sketch(unknown), "....\n....\n....\n....\n");
}

TEST(PixelCanvas_Patterns, TilesFromTheOriginAndSkipsPicturesThatAreNoBitmap) {
    PixelCanvas canvas(6, 3);
    const Picture stripes = {3, 1, {kInk, 0xFFFFFF, 0xFFFFFF}};
    canvas.FillPattern(1, 1, 5, 2, stripes);
    canvas.FillPattern(0, 0, 6, 3, Picture{});
    EXPECT_EQ(Sketch(canvas),
              "......\n"
              "...#..\n"
              "...#..\n");
}

TEST(PixelCanvas_Edges, TopAndLeftFirstThenBottomAndRightOverThem) {
    const EdgeShades shades = {0x0000F0, 0x00F000, 0xF00000, 0x000001};
    PixelCanvas canvas(5, 4, shades);
    canvas.DrawEdge({0, 0, 5, 4}, EdgeBump);
    const ColorRef light = shades.light;
    const ColorRef dark = shades.darkShadow;
    EXPECT_EQ(canvas.Pixel(0, 0), light);
    EXPECT_EQ(canvas.Pixel(3, 0), light);
    EXPECT_EQ(canvas.Pixel(4, 0), dark) << "top-right corner takes the bottom-right shade";
    EXPECT_EQ(canvas.Pixel(0, 3), dark) << "bottom-left corner too";
    EXPECT_EQ(canvas.Pixel(1, 1), dark) << "sunken inner: dark top-left";
    EXPECT_EQ(canvas.Pixel(3, 1), light);
    EXPECT_EQ(canvas.Pixel(1, 2), light);

    PixelCanvas sunken(4, 3, shades);
    sunken.DrawEdge({0, 0, 4, 3}, EdgeSunkenOuter);
    EXPECT_EQ(sunken.Pixel(0, 0), shades.shadow);
    EXPECT_EQ(sunken.Pixel(3, 2), shades.highlight);
    EXPECT_EQ(sunken.Pixel(1, 1), 0xFFFFFFu);
}

TEST(PixelCanvas_Text, IsClippedToItsRectangle) {
    PixelCanvas canvas(20, 9);
    const TextFont font;
    EXPECT_EQ(canvas.MeasureText("10 %", font), (Size{24, 9}));
    canvas.DrawText({0, 0, 3, 9}, "1", font, kInk);
    EXPECT_EQ(Sketch(canvas).substr(0, 21 * 3),
              "....................\n"
              "..#.................\n"
              ".##.................\n");
}

TEST(PixelCanvas_Copy, ClipsAtBothSurfaces) {
    PixelCanvas source(4, 4);
    source.FillRect({0, 0, 4, 4}, kInk);
    PixelCanvas target(5, 3);
    target.CopyFrom(source, 2, 0, 4, 4, 3, 1);
    EXPECT_EQ(Sketch(target),
              ".....\n"
              "...##\n"
              "...##\n");
}

}  // namespace
}  // namespace brivex
