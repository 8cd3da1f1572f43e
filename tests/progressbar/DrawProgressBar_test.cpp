// The bar's pixels where its drawing rules fix them, on a 353 x 25 bar (the
// main window's) unless a test says otherwise.

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "progressbar/BarTesting.h"
#include "progressbar/ColorMath.h"
#include "progressbar/ProgressStyle.h"

namespace brivex {
namespace {

using testing::StoredPercentage;
using testing::TestBar;

constexpr ColorRef kColour = 0x804020;  // red 32, green 64, blue 128
constexpr ColorRef kOutline = 0x686868;
constexpr ColorRef kFrameLight = 0xEFEFEF;
constexpr ColorRef kFrameShade = 0xBEBEBE;

ColorRef L(int amount) { return LightenColor(kColour, amount); }

std::unique_ptr<TestBar> Drawn(std::int32_t scrolling, std::int32_t percent, int width = 353, int height = 25,
                               std::int32_t orientation = 0) {
    auto t = std::make_unique<TestBar>(width, height);
    t->bar.SetColor(kColour);
    t->bar.SetOrientation(orientation);
    t->bar.SetScrolling(scrolling);
    t->bar.SetValue(percent);
    return t;
}

bool SamePixels(PixelCanvas& a, PixelCanvas& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return a.Width() == b.Width() && a.Height() == b.Height();
}

bool AllWhite(PixelCanvas& canvas, const Rect& area) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.Pixel(x, y) != kWhite) return false;
    return true;
}

TEST(DrawProgressBar_XpStyle, AtZeroAStubCoversXFourToEleven) {
    auto t = Drawn(StyleSmooth, 0);
    PixelCanvas& s = t->host.Screen();
    for (int y = 3; y <= 21; ++y) {
        EXPECT_EQ(s.Pixel(3, y), kWhite) << y;
        EXPECT_NE(s.Pixel(4, y), kWhite) << y;
        EXPECT_NE(s.Pixel(11, y), kWhite) << y;
        EXPECT_EQ(s.Pixel(12, y), kWhite) << y;
    }
    EXPECT_EQ(s.Pixel(4, 3), L(150)) << "top band starts light";
    EXPECT_EQ(s.Pixel(11, 12), kColour) << "the fill between the bands";
    EXPECT_EQ(s.Pixel(4, 21), L(150)) << "bottom band ends light";
}

TEST(DrawProgressBar_XpStyle, AtZeroWithChunksAWhiteGapCoversXTenAndEleven) {
    auto t = Drawn(StyleChunks, 0);
    PixelCanvas& s = t->host.Screen();
    for (int y = 3; y <= 21; ++y) {
        EXPECT_NE(s.Pixel(9, y), kWhite) << y;
        EXPECT_EQ(s.Pixel(10, y), kWhite) << y;
        EXPECT_EQ(s.Pixel(11, y), kWhite) << y;
    }
}

TEST(DrawProgressBar_XpStyle, ChunksAreSixPixelsWithTwoPixelGaps) {
    auto t = Drawn(StyleChunks, 50);
    PixelCanvas& s = t->host.Screen();
    for (int x = 4; x < 170; ++x) EXPECT_EQ(s.Pixel(x, 12) == kWhite, (x - 10) % 8 == 0 || (x - 10) % 8 == 1) << x;
}

TEST(DrawProgressBar_XpStyle, FullBarRunsUnderTheFrameBecauseItScalesBy98) {
    auto full = Drawn(StyleSmooth, 100);
    PixelCanvas& s = full->host.Screen();
    EXPECT_EQ(s.Pixel(350, 12), kColour);
    EXPECT_EQ(s.Pixel(351, 12), kFrameLight) << "the frame is drawn over the fill";
    EXPECT_EQ(s.Pixel(352, 12), kOutline);

    auto almost = Drawn(StyleSmooth, 98);
    EXPECT_EQ(almost->host.Screen().Pixel(348, 12), kColour);
    EXPECT_EQ(almost->host.Screen().Pixel(349, 12), kWhite) << "98 % ends four pixels before the right edge";
}

TEST(DrawProgressBar_XpStyle, AboveAHundredDrawsAFullBar) {
    auto over = Drawn(StyleSmooth, 150);
    auto full = Drawn(StyleSmooth, 100);
    EXPECT_TRUE(SamePixels(over->host.Screen(), full->host.Screen()));
    EXPECT_EQ(StoredPercentage(over->bar), 100);
}

TEST(DrawProgressBar_XpStyle, ANegativePercentageDrawsTheStubOnly) {
    auto negative = Drawn(StyleSmooth, -30);
    auto zero = Drawn(StyleSmooth, 0);
    EXPECT_TRUE(SamePixels(negative->host.Screen(), zero->host.Screen()));
}

TEST(DrawProgressBar_XpStyle, StylesOutsideZeroToNineDrawAsSmooth) {
    for (const int percent : {0, 42, 100}) {
        auto twelve = Drawn(12, percent);
        auto smooth = Drawn(StyleSmooth, percent);
        auto chunks = Drawn(StyleChunks, percent);
        EXPECT_TRUE(SamePixels(twelve->host.Screen(), smooth->host.Screen())) << percent;
        EXPECT_FALSE(SamePixels(twelve->host.Screen(), chunks->host.Screen())) << percent;
    }
    auto negative = Drawn(-1, 42);
    auto smooth = Drawn(StyleSmooth, 42);
    EXPECT_TRUE(SamePixels(negative->host.Screen(), smooth->host.Screen()));
}

TEST(DrawProgressBar_XpStyle, SearchingBlocksSitFortyFivePixelsLeftOfTheProgressAtZero) {
    // p 49: the progress ends at 177; the blocks start 51 % of 45 pixels left of it.
    auto t = Drawn(StyleSearching, 49);
    PixelCanvas& s = t->host.Screen();
    EXPECT_EQ(s.Pixel(153, 10), kWhite);
    EXPECT_EQ(s.Pixel(154, 3), L(220));
    EXPECT_EQ(s.Pixel(163, 22), L(200));
    EXPECT_EQ(s.Pixel(164, 10), kWhite);
    EXPECT_EQ(s.Pixel(165, 10), kWhite);
    EXPECT_EQ(s.Pixel(166, 10), L(180));
    EXPECT_EQ(s.Pixel(175, 10), L(160));
    EXPECT_EQ(s.Pixel(178, 10), L(140));
    EXPECT_EQ(s.Pixel(187, 10), L(120));
    EXPECT_EQ(s.Pixel(188, 10), kWhite);

    // At 0 the blocks start 45 pixels left of the stub, outside the frame.
    auto zero = Drawn(StyleSearching, 0);
    EXPECT_TRUE(AllWhite(zero->host.Screen(), {3, 3, 350, 22}));
}

TEST(DrawProgressBar_XpStyle, SearchingAtTheLowestPercentageDrawsNoBlockInTheFrame) {
    TestBar t(353, 25);
    t.bar.SetScrolling(StyleSearching);
    t.bar.SetMin(std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(t.bar.SetValue(0), ValueWrite::Stored);
    ASSERT_EQ(StoredPercentage(t.bar), std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(AllWhite(t.host.Screen(), {3, 3, 350, 22}));
}

TEST(DrawProgressBar_XpStyle, VerticalFillRisesFromTheBottomBetweenSideBands) {
    // Client height 41: m = nearest(41 x (1 - 50 / 98)) = 20, P.top = 20 - ((20 - 41) mod 2) = 21.
    auto t = Drawn(StyleSmooth, 50, 49, 41, 1);
    PixelCanvas& s = t->host.Screen();
    EXPECT_EQ(s.Pixel(20, 20), kWhite);
    EXPECT_EQ(s.Pixel(20, 21), kColour);
    EXPECT_EQ(s.Pixel(20, 38), kColour);
    EXPECT_EQ(s.Pixel(3, 30), kWhite);
    EXPECT_EQ(s.Pixel(4, 30), L(150));
    EXPECT_EQ(s.Pixel(8, 30), kColour);
    EXPECT_EQ(s.Pixel(41, 30), kColour);
    EXPECT_EQ(s.Pixel(45, 30), L(150));
    EXPECT_EQ(s.Pixel(46, 30), kWhite);
}

TEST(DrawProgressBar_XpStyle, VerticalChunksLeaveGapsUpFromTheBottom) {
    auto t = Drawn(StyleChunks, 100, 49, 41, 1);
    PixelCanvas& s = t->host.Screen();
    // gaps two rows high just above y = 41, 33, 25, ...
    for (const int y : {31, 32, 23, 24, 15, 16}) EXPECT_EQ(s.Pixel(20, y), kWhite) << y;
    for (const int y : {30, 33, 22, 25}) EXPECT_EQ(s.Pixel(20, y), kColour) << y;
}

TEST(DrawXpFrame_Pixels, LinesOutlineAndHandSetCorners) {
    auto t = Drawn(StyleSmooth, 0);
    PixelCanvas& s = t->host.Screen();
    const int r = 353;
    const int b = 25;
    struct Expected {
        int x, y;
        ColorRef colour;
    };
    const Expected pixels[] = {
        {100, 0, kOutline},        {0, 12, kOutline},        {r - 1, 12, kOutline},    {100, b - 1, kOutline},
        {100, 1, kFrameShade},     {1, 12, kFrameShade},     {100, 2, kFrameLight},    {2, 12, kFrameLight},
        {100, b - 2, kFrameLight}, {r - 2, 12, kFrameLight}, {0, 0, kWhite},           {1, 1, 0x777777},
        {2, 2, 0xBEBEBE},          {1, 0, 0xA7ABAC},         {0, 1, 0xA6ABAC},         {0, b - 3, 0x7D7E7F},
        {1, b - 2, 0x777777},      {2, b - 1, 0x7D7E7F},     {r - 1, 0, kWhite},       {r - 2, 1, 0x686868},
        {r - 1, 2, 0x7D7E7F},      {r - 1, b - 1, kWhite},   {r - 2, b - 2, 0x777777}, {r - 3, b - 1, 0x7D7E7F},
        {r - 2, b - 1, 0xBEBEBE},  {r - 1, b - 2, 0xBEBEBE},
    };
    for (const Expected& e : pixels) EXPECT_EQ(s.Pixel(e.x, e.y), e.colour) << e.x << "," << e.y;
}

TEST(DrawProgressBar_Styles, FlatFillRoundsItsEndToEven) {
    // 50 / 100 x 353 = 176.5, which goes to 176
    auto t = Drawn(StyleFlat, 50);
    PixelCanvas& s = t->host.Screen();
    EXPECT_EQ(s.Pixel(0, 12), L(100));
    EXPECT_EQ(s.Pixel(1, 1), L(180));
    EXPECT_EQ(s.Pixel(175, 23), L(180));
    EXPECT_EQ(s.Pixel(176, 12), kWhite);
}

TEST(DrawProgressBar_Styles, EtchedAtZeroDrawsOneGradientColumn) {
    auto t = Drawn(StyleEtched, 0);
    PixelCanvas& s = t->host.Screen();
    EXPECT_EQ(s.Pixel(2, 2), L(140));
    EXPECT_EQ(s.Pixel(2, 21), L(140));
    EXPECT_EQ(s.Pixel(2, 22), kWhite);
    EXPECT_EQ(s.Pixel(3, 10), kWhite);
}

TEST(DrawProgressBar_Styles, ShadedEndLineSitsAtTheFillScaledBy101) {
    // 50 / 101 x 353 = 174.75
    auto t = Drawn(StyleShaded, 50);
    PixelCanvas& s = t->host.Screen();
    EXPECT_EQ(s.Pixel(0, 0), L(10));
    EXPECT_EQ(s.Pixel(175, 2), L(25));
    EXPECT_EQ(s.Pixel(175, 22), L(25));
    EXPECT_EQ(s.Pixel(3, 3), L(250));
    EXPECT_EQ(s.Pixel(176, 2), kColour) << "the shaded background's first row";
}

TEST(DrawProgressBar_Styles, DarkHasABlackBackgroundAndAFrameBlendedWithBlack) {
    auto t = Drawn(StyleDark, 0);
    PixelCanvas& s = t->host.Screen();
    EXPECT_EQ(s.Pixel(100, 12), kBlack);
    EXPECT_EQ(s.Pixel(100, 0), 0x643219u) << "200 parts of 255 of the bar colour";
}

TEST(DrawProgressBar_Styles, HatchedFillUsesTheBrushStyleOverALightBackground) {
    auto t = Drawn(StyleHatched, 100);
    t->bar.SetBrushStyle(HatchHorizontal);
    t->bar.DrawProgressBar();
    PixelCanvas& s = t->host.Screen();
    EXPECT_EQ(s.Pixel(10, 3), kColour);
    EXPECT_EQ(s.Pixel(10, 11), kColour);
    EXPECT_EQ(s.Pixel(10, 4), L(140));
    EXPECT_EQ(s.Pixel(349, 12), L(140)) << "100 / 101 x 353 = 349.5 ends the fill at 350";
    EXPECT_EQ(s.Pixel(350, 12), kWhite);

    t->bar.SetBrushStyle(70000);
    t->bar.DrawProgressBar();
    EXPECT_TRUE(AllWhite(s, {2, 2, 351, 23})) << "a style outside 16 bits makes no brush";
}

TEST(DrawProgressBar_Styles, PictureStyleWithoutAPictureDrawsOnlyItsSunkenEdge) {
    auto t = Drawn(StylePicture, 60);
    PixelCanvas& s = t->host.Screen();
    const EdgeShades shades = t->host.Shades();
    EXPECT_EQ(s.Pixel(0, 0), shades.shadow);
    EXPECT_EQ(s.Pixel(351, 0), shades.shadow);
    EXPECT_EQ(s.Pixel(0, 23), shades.shadow);
    EXPECT_EQ(s.Pixel(352, 0), shades.highlight);
    EXPECT_EQ(s.Pixel(0, 24), shades.highlight);
    EXPECT_TRUE(AllWhite(s, {1, 1, 352, 24}));
}

TEST(DrawProgressBar_Styles, PictureStyleTilesThePictureFromTheSurfaceOrigin) {
    auto t = Drawn(StylePicture, 100);
    auto picture = std::make_shared<Picture>(Picture{2, 1, {0x0000FF, 0x00FF00}});
    t->bar.SetImage(picture);
    PixelCanvas& s = t->host.Screen();
    EXPECT_EQ(s.Pixel(2, 5), 0x0000FFu);
    EXPECT_EQ(s.Pixel(3, 21), 0x00FF00u);
    EXPECT_EQ(s.Pixel(351, 5), 0x00FF00u) << "100 / 101 x 353 rounds to 350 pixels from x = 2";
    EXPECT_EQ(s.Pixel(352, 5), t->host.Shades().highlight);
    EXPECT_EQ(s.Pixel(2, 22), 0x0000FFu);
    EXPECT_EQ(s.Pixel(2, 23), kWhite) << "the block is B - 4 rows high";
}

TEST(DrawProgressBar_Styles, GlossyFrameOutlineStartsThreePixelsLeftOfTheBar) {
    // The glossy look ends with the XP frame, which takes three pixels off the
    // client's left although this look never added them.
    auto t = Drawn(StyleGlossy, 0);
    PixelCanvas& s = t->host.Screen();
    EXPECT_EQ(s.Pixel(0, 12), kWhite);
    EXPECT_EQ(s.Pixel(352, 12), kOutline);
    EXPECT_EQ(s.Pixel(3, 0), kOutline);
    EXPECT_EQ(s.Pixel(100, 3), 0xF9F9F9u) << "white to silver in eleven steps";
    EXPECT_EQ(s.Pixel(100, 15), kSilver);
}

// Records the text a bar draws, and draws it.
struct TextCall {
    Rect rect;
    std::string text;
    ColorRef colour;
    friend bool operator==(const TextCall&, const TextCall&) = default;
};

std::ostream& operator<<(std::ostream& out, const TextCall& call) {
    return out << "{" << call.rect.left << "," << call.rect.top << "," << call.rect.right << "," << call.rect.bottom
               << " \"" << call.text << "\" " << std::hex << call.colour << std::dec << "}";
}

class RecordingCanvas final : public PixelCanvas {
public:
    RecordingCanvas(int width, int height, std::vector<TextCall>& calls) : PixelCanvas(width, height), calls_(calls) {}
    void DrawText(const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour) override {
        calls_.push_back({rect, std::string(text), colour});
        PixelCanvas::DrawText(rect, text, font, colour);
    }

private:
    std::vector<TextCall>& calls_;
};

class CaptionHost final : public PixelBarHost {
public:
    using PixelBarHost::PixelBarHost;
    std::unique_ptr<PixelCanvas> CreateBuffer(int width, int height) override {
        return std::make_unique<RecordingCanvas>(width, height, calls);
    }
    std::vector<TextCall> calls;
};

std::vector<TextCall> Caption(std::int32_t scrolling, std::int32_t percent, bool showText = true, int height = 25) {
    CaptionHost host(353, height);
    XpProgressBar bar(host);
    bar.SetColor(kColour);
    bar.SetScrolling(scrolling);
    bar.SetShowText(showText);
    host.calls.clear();
    bar.SetValue(percent);
    return host.calls;
}

// The built-in font measures six by nine pixels a character, so "42 %" is 24
// wide: T.left = nearest(176.5 - 12) = 164, T.top = nearest(12.5 - 4.5) = 8.
TEST(DrawProgressBar_Caption, PercentageCentredWithTiesToEven) {
    EXPECT_EQ(Caption(StyleSmooth, 42), (std::vector<TextCall>{{{164, 8, 188, 17}, "42 %", kBlack}}));
    EXPECT_EQ(Caption(StyleSmooth, 42, true, 26), (std::vector<TextCall>{{{164, 8, 188, 17}, "42 %", kBlack}}))
        << "13 - 4.5 = 8.5 goes to 8";
    EXPECT_EQ(Caption(StyleSmooth, 150), (std::vector<TextCall>{{{162, 8, 192, 17}, "100 %", kBlack}}));
    EXPECT_EQ(Caption(StyleFlat, -3), (std::vector<TextCall>{{{164, 8, 188, 17}, "-3 %", kBlack}}));
}

TEST(DrawProgressBar_Caption, NothingWithoutShowText) {
    for (const int style : {0, 2, 6, 9}) EXPECT_TRUE(Caption(style, 50, false).empty()) << style;
}

TEST(DrawProgressBar_Caption, SearchingShowsItsTextWhateverThePercentage) {
    for (const int percent : {0, 77, 100})
        EXPECT_EQ(Caption(StyleSearching, percent), (std::vector<TextCall>{{{144, 8, 210, 17}, "Searching..", kBlack}}))
            << percent;
}

TEST(DrawProgressBar_Caption, DarkStyleTextIsSilverAndLightOverTheFill) {
    const ColorRef overFill = L(80);
    EXPECT_EQ(Caption(StyleDark, 42), (std::vector<TextCall>{{{164, 8, 188, 17}, "42 %", kSilver}}))
        << "the fill ends at 148, left of the text";
    EXPECT_EQ(Caption(StyleDark, 50),
              (std::vector<TextCall>{{{164, 8, 188, 17}, "50 %", kSilver}, {{164, 8, 176, 17}, "50 %", overFill}}))
        << "the fill ends at 176.5, which goes to 176";
    EXPECT_EQ(Caption(StyleDark, 100), (std::vector<TextCall>{{{162, 8, 353, 17}, "100 %", overFill}}))
        << "past the text's end only the second tone is drawn";
}

TEST(DrawProgressBar_Caption, GlossyStyleTextIsBlackAndWhiteOverTheFill) {
    EXPECT_EQ(Caption(StyleGlossy, 50),
              (std::vector<TextCall>{{{164, 8, 188, 17}, "50 %", kBlack}, {{164, 8, 176, 17}, "50 %", kWhite}}));
    EXPECT_EQ(Caption(StyleGlossy, 60), (std::vector<TextCall>{{{164, 8, 212, 17}, "60 %", kWhite}}));
}

TEST(DrawProgressBar_Caption, OtherStylesAreOneTone) {
    EXPECT_EQ(Caption(StyleSmooth, 60), (std::vector<TextCall>{{{164, 8, 188, 17}, "60 %", kBlack}}));
    EXPECT_EQ(Caption(StyleFlat, 100), (std::vector<TextCall>{{{162, 8, 192, 17}, "100 %", kBlack}}));
}

}  // namespace
}  // namespace brivex
