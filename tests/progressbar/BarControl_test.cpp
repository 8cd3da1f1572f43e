#include "progressbar/BarControl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Units.h"
#include "progressbar/ProgressStyle.h"
#include "ui/Form.h"

namespace brivex {
namespace {

struct FrmTest : ui::Form {
    FrmTest() : Form("FrmTest", "Test") {}
};

// The first pixel where two surfaces differ, or nothing.
std::string Difference(const PixelCanvas& a, const PixelCanvas& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return "sizes differ";
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return "at " + std::to_string(x) + "," + std::to_string(y);
    return {};
}

// The design's bar at `value`, drawn on its own in a window of the design's
// size or of the size given.
struct ReferenceBar {
    ReferenceBar(const BarDesign& design, std::int32_t value, Size size) : host(size.width, size.height) {
        bar.LoadProperties(DesignPropertyBag(design));
        bar.SetValue(value);
    }
    ReferenceBar(const BarDesign& design, std::int32_t value)
        : ReferenceBar(design, value, DesignSizeInPixels(design, kDesignDpi)) {}
    PixelBarHost host;
    XpProgressBar bar{host};
};

TEST(BarControl_Value, ReadsBackThroughTheBarsOwnConversion) {
    struct Case {
        std::int32_t max, written, read;
    };
    const Case cases[] = {
        {100, 0, 0}, {100, 42, 42}, {100, 100, 100}, {100, 150, 100}, {200, 3, 4},  // 1.5 % kept as 2, read back as 4
        {200, 7, 8}, {50, 10, 10},  {50, 11, 11},    {50, 13, 13},
    };
    for (const Case& c : cases) {
        FrmTest form;
        BarControl bar(form, "Bar1", kBar1Design);
        bar.Bar().SetMax(c.max);
        EXPECT_EQ(bar.SetValue(c.written), ValueWrite::Stored);
        EXPECT_EQ(bar.Value(), c.read) << "Max " << c.max << ", write " << c.written;
    }
}

TEST(BarControl_Value, ARefusedWriteKeepsTheValue) {
    FrmTest form;
    BarControl bar(form, "Bar1", kBar1Design);
    bar.SetValue(30);
    EXPECT_EQ(bar.SetValue(30000000), ValueWrite::Overflow);
    EXPECT_EQ(bar.Value(), 30);
}

TEST(BarControl_Drawing, EveryWriteRedrawsTheBarOfItsDesign) {
    FrmTest form;
    BarControl bar(form, "Bar1", kBar1Design);
    PixelCanvas& screen = bar.InMemory().Screen();
    EXPECT_EQ(Difference(screen, ReferenceBar(kBar1Design, 0).host.Screen()), "") << "drawn from the start";

    bar.SetValue(57);
    EXPECT_EQ(Difference(screen, ReferenceBar(kBar1Design, 57).host.Screen()), "");
    EXPECT_NE(Difference(screen, ReferenceBar(kBar1Design, 0).host.Screen()), "");

    screen.FillRect({0, 0, screen.Width(), screen.Height()}, 0xFF00FF);
    bar.SetValue(57);
    EXPECT_EQ(Difference(screen, ReferenceBar(kBar1Design, 57).host.Screen()), "")
        << "a write of the value the bar holds redraws it too";
}

TEST(BarControl_Design, GivesTheBarItsSizeAndItsLook) {
    for (const BarDesign* design : BarDesigns()) {
        FrmTest form;
        BarControl bar(form, std::string(design->instance), *design);
        const Size pixels = DesignSizeInPixels(*design, kDesignDpi);
        EXPECT_EQ(bar.InMemory().Screen().Width(), pixels.width) << design->instance;
        EXPECT_EQ(bar.InMemory().Screen().Height(), pixels.height) << design->instance;
        const Size twips = DesignSizeInTwips(*design);
        EXPECT_EQ(bar.Position().width, twips.width) << design->instance;
        EXPECT_EQ(bar.Position().height, twips.height) << design->instance;
        EXPECT_EQ(bar.Bar().Color(), design->color) << design->instance;
        EXPECT_EQ(bar.Bar().Scrolling(), design->scrolling) << design->instance;
        EXPECT_EQ(Difference(bar.InMemory().Screen(), ReferenceBar(*design, 0).host.Screen()), "") << design->instance;
    }
}

TEST(BarControl_Host, ItsBarKeepsItsStateOnAWindowOnScreenAndBack) {
    FrmTest form;
    BarControl bar(form, "PB1", kPB1Design);
    bar.Bar().SetMax(200);
    bar.SetValue(3);
    PixelBarHost window(500, 30);  // stands in for the window on screen
    bar.Bar().SetHost(window);
    EXPECT_EQ(bar.Value(), 4);
    EXPECT_EQ(bar.Bar().Max(), 200);
    EXPECT_EQ(bar.Bar().Color(), kPB1Design.color);
    EXPECT_EQ(window.BuffersMade(), (std::vector<Size>{{500, 30}}));
    EXPECT_EQ(window.Screen().Pixel(5, 15), kPB1Design.color) << "drawn on the new window at once";

    bar.SetValue(200);
    EXPECT_EQ(Difference(window.Screen(), ReferenceBar(kPB1Design, 100, {500, 30}).host.Screen()), "")
        << "writes now draw there";
    bar.Bar().SetHost(bar.InMemory());
    EXPECT_EQ(bar.Value(), 200);
    ReferenceBar full(kPB1Design, 100);
    EXPECT_EQ(Difference(bar.InMemory().Screen(), full.host.Screen()), "") << "back in memory, drawn as it stands";
}

}  // namespace
}  // namespace brivex
