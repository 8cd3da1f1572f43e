#include "progressbar/DesignValues.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "progressbar/BarTesting.h"

namespace brivex {
namespace {

using testing::Saved;
using testing::TestBar;

TEST(DesignValues_Instances, SizesAtNinetySixDotsAnInch) {
    struct Case {
        const char* instance;
        Size pixels;
    };
    const Case cases[] = {
        {"Bar1", {353, 25}},        {"BrivexPBar1", {345, 9}}, {"BrivexPBar2", {41, 49}}, {"BrivexPBar3", {49, 41}},
        {"BrivexPBar4", {41, 49}}, {"PB1", {385, 9}},         {"PB2", {385, 9}},
    };
    ASSERT_EQ(BarDesigns().size(), std::size(cases));
    for (const Case& c : cases) {
        const BarDesign* design = FindBarDesign(c.instance);
        ASSERT_NE(design, nullptr) << c.instance;
        EXPECT_EQ(DesignSizeInPixels(*design, 96), c.pixels) << c.instance;
    }
    EXPECT_EQ(FindBarDesign("Bar2"), nullptr);
}

TEST(DesignValues_Instances, DefinitionsStoreOnlyWhatDiffersFromTheDefaults) {
    EXPECT_EQ(DesignPropertyBag(*FindBarDesign("Bar1")).Names(),
              (std::vector<std::string>{"Font", "BrushStyle", "Color", "Scrolling", "ShowText"}));
    EXPECT_EQ(DesignPropertyBag(*FindBarDesign("BrivexPBar1")).Names(),
              (std::vector<std::string>{"Font", "Color", "Scrolling"}));
    EXPECT_EQ(DesignPropertyBag(*FindBarDesign("BrivexPBar3")).Names(),
              (std::vector<std::string>{"Font", "Color", "Orientation", "Scrolling", "ShowText"}));
    EXPECT_EQ(DesignPropertyBag(*FindBarDesign("PB2")).Names(), (std::vector<std::string>{"Font", "Color"}));
}

TEST(DesignValues_Instances, LoadedBarsTakeTheirDesignValues) {
    struct Case {
        const char* instance;
        ColorRef color;
        std::int32_t orientation, scrolling;
        bool showText;
        const char* face;
    };
    const Case cases[] = {
        {"Bar1", 0xFFD3A8, 0, 1, true, "Arial"},
        {"BrivexPBar1", 0xFFCD9B, 0, 1, false, "MS Sans Serif"},
        {"BrivexPBar2", 0x00C000, 1, 1, true, "MS Sans Serif"},
        {"BrivexPBar3", 0x0080FF, 1, 1, true, "MS Sans Serif"},
        {"BrivexPBar4", 0x0000FF, 1, 1, true, "MS Sans Serif"},
        {"PB1", 0x0040C0, 0, 0, false, "MS Sans Serif"},
        {"PB2", 0x008000, 0, 0, false, "MS Sans Serif"},
    };
    for (const Case& c : cases) {
        const BarDesign& design = *FindBarDesign(c.instance);
        const Size size = DesignSizeInPixels(design, 96);
        TestBar t(size.width, size.height);
        t.bar.LoadProperties(DesignPropertyBag(design));
        EXPECT_EQ(t.bar.Color(), c.color) << c.instance;
        EXPECT_EQ(t.bar.Orientation(), c.orientation) << c.instance;
        EXPECT_EQ(t.bar.Scrolling(), c.scrolling) << c.instance;
        EXPECT_EQ(t.bar.ShowText(), c.showText) << c.instance;
        EXPECT_EQ(t.bar.Font()->face, c.face) << c.instance;
        EXPECT_EQ(t.bar.Font()->points, 8.25) << c.instance;
        EXPECT_EQ(t.bar.Value(), 0) << c.instance;
    }
}

TEST(DesignValues_Instances, MainBarKeepsItsHorizontalHatchAndSavesItBack) {
    const BarDesign& design = *FindBarDesign("Bar1");
    TestBar t(353, 25);
    t.bar.LoadProperties(DesignPropertyBag(design));
    const MemoryPropertyBag saved = Saved(t.bar);
    EXPECT_EQ(saved.Names(), DesignPropertyBag(design).Names());
    EXPECT_EQ(std::get<std::int32_t>(*saved.Read("BrushStyle")), 0);
}

}  // namespace
}  // namespace brivex
