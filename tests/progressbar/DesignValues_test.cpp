#include "progressbar/DesignValues.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Units.h"
#include "progressbar/BarTesting.h"

namespace brivex {
namespace {

using testing::Saved;
using testing::TestBar;

TEST(DesignValues_Instances, SizesAtNinetySixDotsAnInchAndInTwips) {
    struct Case {
        const BarDesign& design;
        Size pixels;
    };
    const Case cases[] = {
        {kBar1Design, {353, 25}},       {kBrivexPBar1Design, {345, 9}}, {kBrivexPBar2Design, {41, 49}},
        {kBrivexPBar3Design, {49, 41}}, {kBrivexPBar4Design, {41, 49}}, {kPB1Design, {385, 9}},
        {kPB2Design, {385, 9}},
    };
    ASSERT_EQ(BarDesigns().size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(BarDesigns()[i], &c.design) << c.design.instance;
        EXPECT_EQ(DesignSizeInPixels(c.design, 96), c.pixels) << c.design.instance;
        // Laid out in twips, the bar still takes its own size at the design's resolution.
        const Size twips = DesignSizeInTwips(c.design);
        EXPECT_EQ(TwipsToPixels(twips.width, 96), c.pixels.width) << c.design.instance;
        EXPECT_EQ(TwipsToPixels(twips.height, 96), c.pixels.height) << c.design.instance;
    }
    EXPECT_EQ(DesignSizeInTwips(kBar1Design), (Size{5295, 375}));
    EXPECT_EQ(DesignSizeInPixels(kBar1Design, 144), (Size{530, 37}))
        << "from the extent, not from the pixels at 96 dots an inch (which would give 38 high)";
}

TEST(DesignValues_Instances, DefinitionsStoreOnlyWhatDiffersFromTheDefaults) {
    EXPECT_EQ(DesignPropertyBag(kBar1Design).Names(),
              (std::vector<std::string>{"Font", "BrushStyle", "Color", "Scrolling", "ShowText"}));
    EXPECT_EQ(DesignPropertyBag(kBrivexPBar1Design).Names(), (std::vector<std::string>{"Font", "Color", "Scrolling"}));
    EXPECT_EQ(DesignPropertyBag(kBrivexPBar3Design).Names(),
              (std::vector<std::string>{"Font", "Color", "Orientation", "Scrolling", "ShowText"}));
    EXPECT_EQ(DesignPropertyBag(kPB2Design).Names(), (std::vector<std::string>{"Font", "Color"}));
}

TEST(DesignValues_Instances, LoadedBarsTakeTheirDesignValues) {
    struct Case {
        const BarDesign& design;
        ColorRef color;
        std::int32_t orientation, scrolling;
        bool showText;
        const char* face;
    };
    const Case cases[] = {
        {kBar1Design, 0xFFD3A8, 0, 1, true, "Arial"},
        {kBrivexPBar1Design, 0xFFCD9B, 0, 1, false, "MS Sans Serif"},
        {kBrivexPBar2Design, 0x00C000, 1, 1, true, "MS Sans Serif"},
        {kBrivexPBar3Design, 0x0080FF, 1, 1, true, "MS Sans Serif"},
        {kBrivexPBar4Design, 0x0000FF, 1, 1, true, "MS Sans Serif"},
        {kPB1Design, 0x0040C0, 0, 0, false, "MS Sans Serif"},
        {kPB2Design, 0x008000, 0, 0, false, "MS Sans Serif"},
    };
    for (const Case& c : cases) {
        const BarDesign& design = c.design;
        const Size size = DesignSizeInPixels(design, 96);
        TestBar t(size.width, size.height);
        t.bar.LoadProperties(DesignPropertyBag(design));
        EXPECT_EQ(t.bar.Color(), c.color) << design.instance;
        EXPECT_EQ(t.bar.Orientation(), c.orientation) << design.instance;
        EXPECT_EQ(t.bar.Scrolling(), c.scrolling) << design.instance;
        EXPECT_EQ(t.bar.ShowText(), c.showText) << design.instance;
        EXPECT_EQ(t.bar.Font()->face, c.face) << design.instance;
        EXPECT_EQ(t.bar.Font()->points, 8.25) << design.instance;
        EXPECT_EQ(t.bar.Value(), 0) << design.instance;
    }
}

TEST(DesignValues_Instances, MainBarKeepsItsHorizontalHatchAndSavesItBack) {
    const BarDesign& design = kBar1Design;
    TestBar t(353, 25);
    t.bar.LoadProperties(DesignPropertyBag(design));
    const MemoryPropertyBag saved = Saved(t.bar);
    EXPECT_EQ(saved.Names(), DesignPropertyBag(design).Names());
    EXPECT_EQ(std::get<std::int32_t>(*saved.Read("BrushStyle")), 0);
}

}  // namespace
}  // namespace brivex
