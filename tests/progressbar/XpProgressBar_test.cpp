#include "progressbar/XpProgressBar.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "progressbar/BarTesting.h"

namespace brivex {
namespace {

using testing::Saved;
using testing::StoredPercentage;
using testing::TestBar;

TEST(XpProgressBar_Value, ConvertsThroughMinAndMax) {
    struct Case {
        std::int32_t min, max, written, stored, read;
    };
    const Case cases[] = {
        {0, 100, 0, 0, 0},       {0, 100, 1, 1, 1}, {0, 100, 42, 42, 42}, {0, 100, 99, 99, 99},
        {0, 100, 100, 100, 100}, {0, 200, 3, 2, 4},  // 1.5 goes to the even neighbour; 2 / 100 x 200 = 4
        {0, 200, 5, 2, 4},                           // 2.5 goes to 2 as well
        {0, 200, 7, 4, 8},                           // 3.5 goes to 4
        {10, 100, 20, 30, 3},                        // 20 + 10 stored; read back divided by Min
        {0, 100, -5, -5, -5},
    };
    for (const Case& c : cases) {
        TestBar t(100, 20);
        t.bar.SetMin(c.min);
        t.bar.SetMax(c.max);
        EXPECT_EQ(t.bar.SetValue(c.written), ValueWrite::Stored);
        EXPECT_EQ(StoredPercentage(t.bar), c.stored) << c.min << "/" << c.max << " write " << c.written;
        EXPECT_EQ(t.bar.Value(), c.read) << c.min << "/" << c.max << " write " << c.written;
    }
}

TEST(XpProgressBar_Value, AboveAHundredIsSetBackByTheRedrawAndKept) {
    TestBar t(100, 20);
    EXPECT_EQ(t.bar.SetValue(150), ValueWrite::Stored);
    EXPECT_EQ(StoredPercentage(t.bar), 100);
    EXPECT_EQ(t.bar.Value(), 100);
}

TEST(XpProgressBar_Value, RefusedWritesKeepThePercentageAndTheBar) {
    TestBar t(100, 20);
    ASSERT_EQ(t.bar.SetValue(37), ValueWrite::Stored);
    t.host.Screen().FillRect({0, 0, 100, 20}, 0xFF00FF);

    EXPECT_EQ(t.bar.SetValue(21474837), ValueWrite::Overflow) << "times 100 leaves the 32-bit range";
    EXPECT_EQ(t.bar.SetValue(-21474837), ValueWrite::Overflow);
    t.bar.SetMax(0);
    EXPECT_EQ(t.bar.SetValue(5), ValueWrite::DivisionByZero);
    EXPECT_EQ(t.bar.SetValue(0), ValueWrite::DivisionByZero);
    t.bar.SetMax(1);
    t.bar.SetMin(2147483000);
    EXPECT_EQ(t.bar.SetValue(100), ValueWrite::Overflow) << "the percentage itself leaves the range";

    EXPECT_EQ(StoredPercentage(t.bar), 37);
    EXPECT_EQ(t.host.Screen().Pixel(50, 10), 0xFF00FFu) << "a refused write does not redraw";
}

TEST(XpProgressBar_Value, TheLargestProductStillFits) {
    TestBar t(100, 20);
    t.bar.SetMax(100000000);
    EXPECT_EQ(t.bar.SetValue(21474836), ValueWrite::Stored);
    EXPECT_EQ(StoredPercentage(t.bar), 21);
}

// Which writes redraw and which tell the container a persisted property changed.
TEST(XpProgressBar_Properties, WritesRedrawAndMarkAsTheirTableSays) {
    struct Case {
        const char* write;
        std::function<void(XpProgressBar&)> apply;
        bool redraws;
        std::vector<std::string> marks;
    };
    const Case cases[] = {
        {"BrushStyle", [](XpProgressBar& b) { b.SetBrushStyle(2); }, false, {"BrushStyle"}},
        {"Color", [](XpProgressBar& b) { b.SetColor(0x00FF00); }, true, {}},
        {"Font", [](XpProgressBar& b) { b.SetFont(std::make_shared<TextFont>()); }, false, {}},
        {"hdc", [](XpProgressBar& b) { b.SetHdc(); }, false, {}},
        {"Image", [](XpProgressBar& b) { b.SetImage(std::make_shared<Picture>()); }, true, {"Image"}},
        {"Min", [](XpProgressBar& b) { b.SetMin(1); }, false, {"Min"}},
        {"Max", [](XpProgressBar& b) { b.SetMax(50); }, false, {"Max"}},
        {"Orientation", [](XpProgressBar& b) { b.SetOrientation(1); }, true, {"Orientation"}},
        {"Scrolling", [](XpProgressBar& b) { b.SetScrolling(3); }, true, {"Scrolling"}},
        {"ShowText", [](XpProgressBar& b) { b.SetShowText(true); }, true, {"ShowText"}},
        {"Value", [](XpProgressBar& b) { b.SetValue(10); }, true, {}},
    };
    for (const Case& c : cases) {
        TestBar t(60, 20);
        t.host.Screen().FillRect({0, 0, 60, 20}, 0xFF00FF);
        c.apply(t.bar);
        EXPECT_EQ(t.host.Screen().Pixel(30, 0) != 0xFF00FF, c.redraws) << c.write;
        EXPECT_EQ(t.host.ChangedProperties(), c.marks) << c.write;
    }
}

TEST(XpProgressBar_Properties, ColourIsStoredTranslated) {
    TestBar t(60, 20);
    EXPECT_EQ(t.bar.Color(), 0xC56A31u) << "system highlight at creation";
    t.bar.SetColor(0x80000010);
    EXPECT_EQ(t.bar.Color(), LunaSystemColor(16));
    t.bar.SetColor(0x0080FF);
    EXPECT_EQ(t.bar.Color(), 0x0080FFu);
}

TEST(XpProgressBar_Properties, ReadingBeforeAnythingIsSetGivesTheCreationValues) {
    TestBar t(60, 20);
    EXPECT_EQ(t.bar.Image(), nullptr);
    EXPECT_EQ(t.bar.hwnd(), PixelBarHost::kOwnWindow);
    EXPECT_EQ(*t.bar.Font(), TextFont{});
    EXPECT_EQ(t.bar.Max(), 100);
    EXPECT_EQ(t.bar.Value(), 0);
}

TEST(XpProgressBar_Properties, FontIsHeldByReference) {
    TestBar t(60, 20);
    auto font = std::make_shared<TextFont>();
    t.bar.SetFont(font);
    font->face = "Arial";
    EXPECT_EQ(t.bar.Font()->face, "Arial");
}

TEST(XpProgressBar_Persistence, SavesInOrderAndLeavesOutDefaults) {
    TestBar t(60, 20);
    t.bar.LoadProperties(MemoryPropertyBag{});
    EXPECT_EQ(Saved(t.bar).Names(), (std::vector<std::string>{"Font", "Color"}))
        << "the font is always stored, and a translated colour never equals the system colour it came from";

    t.bar.SetBrushStyle(1);
    t.bar.SetImage(std::make_shared<Picture>());
    t.bar.SetMax(200);
    t.bar.SetMin(1);
    t.bar.SetOrientation(1);
    t.bar.SetScrolling(5);
    t.bar.SetShowText(true);
    t.bar.SetValue(60);
    EXPECT_EQ(Saved(t.bar).Names(), (std::vector<std::string>{"Font", "BrushStyle", "Color", "Image", "Max", "Min",
                                                              "Orientation", "Scrolling", "ShowText", "Value"}));
    EXPECT_EQ(StoredPercentage(t.bar), 31);
}

TEST(XpProgressBar_Persistence, BrushStyleIsZeroAtCreationAndFourOnceLoaded) {
    TestBar t(60, 20);
    EXPECT_EQ(std::get<std::int32_t>(*Saved(t.bar).Read("BrushStyle")), 0);
    t.bar.LoadProperties(MemoryPropertyBag{});
    EXPECT_FALSE(Saved(t.bar).Read("BrushStyle"));
}

TEST(XpProgressBar_Persistence, LoadedValuePassesThroughTheConversionAgain) {
    TestBar t(60, 20);
    t.bar.LoadProperties(MemoryPropertyBag{{"Max", std::int32_t{200}}, {"Value", std::int32_t{50}}});
    EXPECT_EQ(StoredPercentage(t.bar), 25);
    EXPECT_EQ(t.bar.Value(), 50);
}

TEST(XpProgressBar_Persistence, LoadTakesEveryStoredValue) {
    TestBar t(60, 20);
    auto font = std::make_shared<TextFont>(TextFont{"Arial", 8.25});
    auto picture = std::make_shared<Picture>();
    t.bar.LoadProperties(MemoryPropertyBag{{"Font", font},
                                           {"BrushStyle", std::int32_t{5}},
                                           {"Color", std::int32_t{0x0000FF}},
                                           {"Image", picture},
                                           {"Min", std::int32_t{2}},
                                           {"Orientation", std::int32_t{1}},
                                           {"Scrolling", std::int32_t{7}},
                                           {"ShowText", true},
                                           {"Value", std::int32_t{40}}});
    EXPECT_EQ(t.bar.Font(), font);
    EXPECT_EQ(t.bar.Image(), picture);
    EXPECT_EQ(t.bar.Color(), 0x0000FFu);
    EXPECT_EQ(t.bar.Min(), 2);
    EXPECT_EQ(t.bar.Orientation(), 1);
    EXPECT_EQ(t.bar.Scrolling(), 7);
    EXPECT_TRUE(t.bar.ShowText());
    EXPECT_EQ(StoredPercentage(t.bar), 42);
    EXPECT_EQ(std::get<std::int32_t>(*Saved(t.bar).Read("BrushStyle")), 5);
}

TEST(XpProgressBar_Persistence, ASystemColourIsTranslatedOnLoad) {
    TestBar t(60, 20);
    t.bar.LoadProperties(MemoryPropertyBag{{"Color", static_cast<std::int32_t>(0x80000014)}});
    EXPECT_EQ(t.bar.Color(), LunaSystemColor(20));
}

TEST(XpProgressBar_Buffer, GrowsButNeverShrinks) {
    TestBar t(100, 20);
    EXPECT_EQ(t.host.BuffersMade(), (std::vector<Size>{{100, 20}})) << "made at creation";

    t.host.SetSize(60, 10);
    t.bar.SetHdc();
    EXPECT_EQ(t.host.BuffersMade().size(), 1u);

    t.host.SetSize(120, 10);
    t.bar.SetHdc();
    EXPECT_EQ(t.host.BuffersMade().back(), (Size{120, 10})) << "a rebuild takes both new measures";

    t.host.SetSize(110, 20);
    t.bar.SetHdc();
    EXPECT_EQ(t.host.BuffersMade().back(), (Size{110, 20}));
    EXPECT_EQ(t.host.BuffersMade().size(), 3u);
}

TEST(XpProgressBar_Buffer, AnEmptyControlHasNoBufferUntilItHasASize) {
    TestBar t(0, 0);
    EXPECT_TRUE(t.host.BuffersMade().empty());
    t.host.SetSize(50, 12);
    t.bar.SetHdc();
    EXPECT_EQ(t.host.BuffersMade(), (std::vector<Size>{{50, 12}}));
}

TEST(XpProgressBar_Buffer, WithoutABufferTheBarDrawsOnItsOwnSurface) {
    PixelBarHost host(80, 20);
    host.SetBuffersFail(true);
    XpProgressBar bar(host);
    EXPECT_EQ(&bar.hdc(), &host.OwnSurface());
    bar.SetValue(50);
    EXPECT_EQ(host.Screen().Pixel(0, 10), 0x686868u);
    EXPECT_EQ(host.Screen().Pixel(20, 9), bar.Color());
}

TEST(XpProgressBar_Buffer, AFailedRebuildDrawsStraightOnTheOwnSurface) {
    TestBar t(80, 20);
    t.host.SetBuffersFail(true);
    t.host.SetSize(120, 20);
    t.bar.SetHdc();
    EXPECT_EQ(&t.bar.hdc(), &t.host.OwnSurface());
    t.bar.SetValue(100);
    EXPECT_EQ(t.host.Screen().Pixel(119, 10), 0x686868u) << "the frame at the new right edge";
    EXPECT_EQ(t.host.Screen().Pixel(100, 9), t.bar.Color());
}

TEST(XpProgressBar_Buffer, PDrawCopiesABlockAndWidthsBelowOneMeanTheBuffers) {
    TestBar t(40, 10);
    t.bar.SetScrolling(6);  // black background
    PixelCanvas target(60, 20);
    t.bar.pDraw(target, 5, 2, 3, 4, 10, 11);
    EXPECT_EQ(target.Pixel(10, 11), 0x000000u);
    EXPECT_EQ(target.Pixel(12, 14), 0x000000u);
    EXPECT_EQ(target.Pixel(13, 11), 0xFFFFFFu);
    EXPECT_EQ(target.Pixel(10, 15), 0xFFFFFFu);

    PixelCanvas whole(60, 20);
    t.bar.pDraw(whole, 0, 0, 0, -1, 0, 0);
    EXPECT_EQ(whole.Pixel(39, 9), t.host.Screen().Pixel(39, 9));
    EXPECT_EQ(whole.Pixel(20, 5), 0x000000u);
    EXPECT_EQ(whole.Pixel(40, 5), 0xFFFFFFu);
}

TEST(XpProgressBar_Host, AMoveMakesTheBufferAnewAndPointsTheBarAtTheNewWindow) {
    TestBar t(100, 20);
    t.bar.SetValue(30);
    PixelBarHost smaller(60, 12);
    t.bar.SetHost(smaller);
    EXPECT_EQ(&t.bar.Host(), &smaller);
    EXPECT_EQ(smaller.BuffersMade(), (std::vector<Size>{{60, 12}})) << "the new window's size, though smaller";
    EXPECT_EQ(t.bar.hwnd(), PixelBarHost::kOwnWindow);
    EXPECT_EQ(smaller.Screen().Pixel(59, 6), 0x686868u) << "drawn at once, the frame at the new window's right edge";
    EXPECT_EQ(t.bar.Value(), 30);
}

}  // namespace
}  // namespace brivex
