// The software surface against GDI itself: the same drawing on a PixelCanvas
// and through GDI calls must give the same pixels.

#include "graphics/win32/GdiCanvas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>

#include "base/Units.h"
#include "graphics/win32/DibCanvas.h"

namespace brivex {
namespace {

EdgeShades SystemShades() {
    return {GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_BTNSHADOW),
            GetSysColor(COLOR_3DDKSHADOW)};
}

// The first pixel that differs, or nothing when GDI and the software surface agree.
std::string Difference(const std::function<void(Canvas&)>& draw, int width = 40, int height = 24) {
    auto dib = DibCanvas::Create(width, height, kDesignDpi);
    if (!dib) return "no bitmap";
    dib->FillRect({0, 0, width, height}, 0xFFFFFF);
    GdiCanvas gdi(dib->Dc(), kDesignDpi);
    draw(gdi);
    GdiFlush();
    PixelCanvas software(width, height, SystemShades());
    draw(software);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (dib->Pixel(x, y) != software.Pixel(x, y)) {
                std::ostringstream out;
                out << "at " << x << "," << y << " GDI " << std::hex << dib->Pixel(x, y) << " software "
                    << software.Pixel(x, y);
                return out.str();
            }
    return {};
}

TEST(GdiCanvas_SameAsPixelCanvas, StraightLinesInBothDirections) {
    EXPECT_EQ(Difference([](Canvas& c) {
                  c.Line(2, 3, 30, 3, 0x0000FF);
                  c.Line(30, 5, 2, 5, 0x00FF00);
                  c.Line(4, 1, 4, 20, 0xFF0000);
                  c.Line(6, 20, 6, 1, 0x123456);
                  c.Line(-5, 8, 50, 8, 0x654321);
                  c.Line(10, 10, 10, 10, 0x000000);
              }),
              "");
}

TEST(GdiCanvas_SameAsPixelCanvas, SlopedLines) {
    std::srand(5);
    for (int i = 0; i < 200; ++i) {
        const int x1 = std::rand() % 50 - 5, y1 = std::rand() % 34 - 5;
        const int x2 = std::rand() % 50 - 5, y2 = std::rand() % 34 - 5;
        EXPECT_EQ(Difference([&](Canvas& c) { c.Line(x1, y1, x2, y2, 0x0000FF); }), "")
            << x1 << "," << y1 << " to " << x2 << "," << y2;
    }
}

TEST(GdiCanvas_SameAsPixelCanvas, FilledBlocksIncludingMirroredOnes) {
    EXPECT_EQ(Difference([](Canvas& c) {
                  c.FillRect({2, 2, 10, 6}, 0x0000FF);
                  c.FillRect({20, 8, 12, 1}, 0x00FF00);
                  c.FillRect({30, 4, 36, 20}, 0xFF0000);
                  c.FillRect({-3, 18, 5, 30}, 0x808080);
                  c.FillRect({14, 14, 14, 20}, 0x000000);
              }),
              "");
}

TEST(GdiCanvas_SameAsPixelCanvas, Frames) {
    EXPECT_EQ(Difference([](Canvas& c) {
                  c.FrameRect({1, 1, 39, 23}, 0x686868);
                  c.FrameRect({-3, 4, 12, 9}, 0x0000FF);
                  c.FrameRect({30, 20, 20, 10}, 0x00FF00);
                  c.FrameRect({20, 12, 21, 13}, 0xFF0000);
              }),
              "");
}

TEST(GdiCanvas_SameAsPixelCanvas, SinglePixels) {
    EXPECT_EQ(Difference([](Canvas& c) {
                  c.SetPixel(0, 0, 0x7D7E7F);
                  c.SetPixel(39, 23, 0xA6ABAC);
                  c.SetPixel(40, 5, 0x000000);
              }),
              "");
}

TEST(GdiCanvas_SameAsPixelCanvas, EveryHatchStyle) {
    for (int style = HatchHorizontal; style <= HatchDiagonalCross; ++style)
        EXPECT_EQ(Difference([style](Canvas& c) {
                      c.FillHatch({3, 2, 37, 21}, style, 0x0000FF, 0xEEDDCC);
                      c.FillHatch({10, 22, 2, 12}, style, 0x00FF00, 0x000000);
                  }),
                  "")
            << style;
}

TEST(GdiCanvas_SameAsPixelCanvas, PatternsTiledFromTheOrigin) {
    const Picture picture = {3, 2, {0x0000FF, 0x00FF00, 0xFF0000, 0x000000, 0xFFFFFF, 0x808080}};
    EXPECT_EQ(Difference([&](Canvas& c) {
                  c.FillPattern(2, 3, 17, 9, picture);
                  c.FillPattern(30, 20, -6, -5, picture);
              }),
              "");
}

TEST(GdiCanvas_SameAsPixelCanvas, EdgesOfTheThreeKindsTheBarUses) {
    for (const int kind : {EdgeSunkenOuter, EdgeEtched, EdgeBump})
        for (const Rect& rect : {Rect{0, 0, 40, 24}, Rect{3, 2, 20, 9}, Rect{25, 12, 29, 15}})
            EXPECT_EQ(Difference([&](Canvas& c) { c.DrawEdge(rect, kind); }), "")
                << kind << " on " << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
}

TEST(DibCanvas_Text, GoesThroughGdiIntoTheBufferAndStaysInItsRectangle) {
    auto dib = DibCanvas::Create(80, 30, kDesignDpi);
    ASSERT_TRUE(dib);
    dib->FillRect({0, 0, 80, 30}, 0xFFFFFF);
    const TextFont font = {"Arial", 8.25};
    const Size size = dib->MeasureText("42 %", font);
    EXPECT_GT(size.width, 10);
    EXPECT_GT(size.height, 8);
    dib->DrawText({10, 5, 10 + size.width / 2, 5 + size.height}, "42 %", font, 0x000000);
    int inked = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) {
            if (dib->Pixel(x, y) == 0xFFFFFF) continue;
            ++inked;
            EXPECT_TRUE(x >= 10 && x < 10 + size.width / 2 && y >= 5 && y < 5 + size.height) << x << "," << y;
        }
    EXPECT_GT(inked, 5);
}

}  // namespace
}  // namespace brivex
