// A window's bar control on screen: its form window carries the control's own
// bar in a bar window of the design's size, and gives it back when it goes.

#include "progressbar/win32/ProgressBarPeer.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "base/Units.h"
#include "ui/Form.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/Win32FormHost.h"
#include "ui/win32/Win32Loop.h"

namespace brivex {
namespace {

struct FrmBars : ui::Form {
    FrmBars() : Form("FrmBars", "Brivex Doziv bar test") {
        SetDesign(9000, 3000, "");
        Bar1.SetPosition({300, 450, DesignPixelsToTwips(353), DesignPixelsToTwips(25)});
        PB1.SetPosition({300, 1200, 100, 100});
    }
    BarControl Bar1{*this, "Bar1", kBar1Design};
    BarControl PB1{*this, "PB1", kPB1Design};
};

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

class ProgressBarPeerTest : public ::testing::Test {
protected:
    ProgressBarPeerTest() { ProgressBarPeer::Register(); }

    // The bar windows of the form, in creation order.
    std::vector<HWND> BarWindows() const {
        std::vector<HWND> bars;
        HWND form = ui::FormWindow::HandleOf(frm);
        for (HWND bar = FindWindowExW(form, nullptr, ProgressBarWindow::kClassName, nullptr); bar;
             bar = FindWindowExW(form, bar, ProgressBarWindow::kClassName, nullptr))
            bars.push_back(bar);
        return bars;
    }
    void ExpectDesignPlaces(const std::vector<HWND>& bars, int dpi) const;

    ui::Win32Loop loop;
    ui::Win32FormHost host{loop};
    FrmBars frm;
};

TEST_F(ProgressBarPeerTest, BarWindowsTakeTheDesignSizeAtTheFormsPlaceAndResolution) {
    host.Show(frm);
    const std::vector<HWND> bars = BarWindows();
    ASSERT_EQ(bars.size(), 2u);
    ExpectDesignPlaces(bars, ScreenDpi());
    for (const int dpi : {144, 120, 96}) {
        RECT suggested{0, 0, TwipsToPixels(9000, dpi), TwipsToPixels(3000, dpi)};
        constexpr UINT kDpiChanged = 0x02E0;
        SendMessageW(ui::FormWindow::HandleOf(frm), kDpiChanged, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        ExpectDesignPlaces(bars, dpi);
    }
    host.Unload(frm);
}

void ProgressBarPeerTest::ExpectDesignPlaces(const std::vector<HWND>& bars, int dpi) const {
    SCOPED_TRACE(dpi);
    struct Case {
        HWND window;
        const BarDesign& design;
        const ui::Bounds& place;
    };
    const Case cases[] = {{bars[0], kBar1Design, frm.Bar1.Position()}, {bars[1], kPB1Design, frm.PB1.Position()}};
    for (const Case& c : cases) {
        RECT client = {};
        GetClientRect(c.window, &client);
        const Size size = DesignSizeInPixels(c.design, dpi);
        EXPECT_EQ(client.right, size.width) << c.design.instance;
        EXPECT_EQ(client.bottom, size.height) << c.design.instance;
        RECT frame = {};
        GetWindowRect(c.window, &frame);
        MapWindowPoints(nullptr, ui::FormWindow::HandleOf(frm), reinterpret_cast<POINT*>(&frame), 2);
        EXPECT_EQ(frame.left, TwipsToPixels(c.place.left, dpi)) << c.design.instance;
        EXPECT_EQ(frame.top, TwipsToPixels(c.place.top, dpi)) << c.design.instance;
    }
}

TEST_F(ProgressBarPeerTest, TheControlsOwnBarIsOnScreenAndComesBackWithItsState) {
    frm.Bar1.Bar().SetMax(200);
    frm.Bar1.SetValue(3);
    host.Show(frm);
    const std::vector<HWND> bars = BarWindows();
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_NE(&frm.Bar1.Bar().Host(), &frm.Bar1.InMemory());
    EXPECT_EQ(SendMessageW(bars[0], PBM_GETPOS, 0, 0), 4) << "the value written before the window existed";
    frm.Bar1.SetValue(7);
    EXPECT_EQ(SendMessageW(bars[0], PBM_GETPOS, 0, 0), 8);

    frm.PB1.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(bars[1]));

    host.Unload(frm);
    EXPECT_FALSE(IsWindow(bars[0]));
    EXPECT_EQ(&frm.Bar1.Bar().Host(), &frm.Bar1.InMemory());
    EXPECT_EQ(frm.Bar1.Value(), 8);
    frm.Bar1.SetValue(100);
    EXPECT_EQ(frm.Bar1.Value(), 100) << "writes go on in memory";
}

}  // namespace
}  // namespace brivex
