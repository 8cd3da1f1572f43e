// The bar as a Win32 window, made as a message-only window so that it needs no
// display; its pixels are read back through WM_PRINTCLIENT.

#include "progressbar/win32/ProgressBarWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/Units.h"
#include "graphics/win32/DibCanvas.h"
#include "progressbar/PixelBarHost.h"
#include "progressbar/ProgressStyle.h"

namespace brivex {
namespace {

constexpr ColorRef kBarColour = 0xFFD3A8;

// A bar made in memory and carried by a window of its own, as a bar control's
// bar is once its form is on screen.
struct BarOnScreen {
    BarOnScreen(int width, int height)
        : memory(width, height),
          window(ProgressBarWindow::Create(HWND_MESSAGE, RECT{0, 0, width, height}, bar, kDesignDpi)) {}
    HWND Handle() const { return window->Handle(); }

    PixelBarHost memory;
    XpProgressBar bar{memory};
    std::unique_ptr<ProgressBarWindow> window;
};

struct Look {
    std::int32_t scrolling;
    std::int32_t percent;
    std::int32_t orientation;
    bool picture;
};

void Apply(XpProgressBar& bar, const Look& look) {
    bar.SetColor(kBarColour);
    bar.SetBrushStyle(HatchDiagonalCross);
    if (look.picture)
        bar.SetImage(std::make_shared<Picture>(Picture{3, 2, {0x0000FF, 0x00FF00, 0xFF0000, 0, 0xFFFFFF, 0x808080}}));
    bar.SetOrientation(look.orientation);
    bar.SetScrolling(look.scrolling);
    bar.SetValue(look.percent);
}

std::unique_ptr<DibCanvas> Capture(HWND window, int width, int height) {
    auto picture = DibCanvas::Create(width, height, kDesignDpi);
    if (!picture) return nullptr;
    picture->FillRect({0, 0, width, height}, 0x00FF00FF);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture->Dc()), PRF_CLIENT);
    GdiFlush();
    return picture;
}

std::string Difference(PixelCanvas& a, PixelCanvas& b, int width, int height) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                std::ostringstream out;
                out << "at " << x << "," << y << ": " << std::hex << a.Pixel(x, y) << " and " << b.Pixel(x, y);
                return out.str();
            }
    return {};
}

// What the software bar draws for the same look on a window of that size,
// in the system's own colours.
std::string DifferenceFromSoftware(HWND window, int width, int height, const Look& look) {
    PixelBarHost host(width, height, [](int index) { return static_cast<ColorRef>(GetSysColor(index)); });
    XpProgressBar software(host);
    Apply(software, look);
    auto captured = Capture(window, width, height);
    if (!captured) return "no capture";
    return Difference(*captured, host.Screen(), width, height);
}

TEST(ProgressBarWindow_Pixels, EqualTheSoftwareBarForEveryStyleAndSize) {
    const Size sizes[] = {{353, 25}, {385, 9}, {41, 49}, {49, 41}};
    for (const Size& size : sizes)
        for (const std::int32_t scrolling : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12})
            for (const std::int32_t orientation : {0, 1})
                for (const std::int32_t percent : {0, 42, 100, 150}) {
                    const Look look = {scrolling, percent, orientation, scrolling == StylePicture};
                    BarOnScreen control(size.width, size.height);
                    ASSERT_TRUE(control.window);
                    Apply(control.bar, look);
                    EXPECT_EQ(DifferenceFromSoftware(control.Handle(), size.width, size.height, look), "")
                        << size.width << "x" << size.height << " style " << scrolling << " orientation " << orientation
                        << " at " << percent;
                }
}

TEST(ProgressBarWindow_Pixels, FollowResizing) {
    BarOnScreen control(120, 20);
    ASSERT_TRUE(control.window);
    const Look look = {StyleChunks, 60, 0, false};
    Apply(control.bar, look);
    for (const Size& size : {Size{200, 30}, Size{90, 12}, Size{210, 16}}) {
        SetWindowPos(control.Handle(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(DifferenceFromSoftware(control.Handle(), size.width, size.height, look), "")
            << size.width << "x" << size.height;
    }
}

TEST(ProgressBarWindow_Carrying, TheBarMovesInWithItsStateAndGoesBackWhenTheWindowGoes) {
    PixelBarHost memory(120, 20);
    XpProgressBar bar(memory);
    const Look look = {StyleFlat, 3, 0, false};
    bar.SetMax(200);
    Apply(bar, look);
    auto window = ProgressBarWindow::Create(HWND_MESSAGE, RECT{0, 0, 120, 20}, bar, kDesignDpi);
    ASSERT_TRUE(window);
    EXPECT_EQ(&bar.Host(), window.get());
    EXPECT_EQ(SendMessageW(window->Handle(), PBM_GETPOS, 0, 0), 4) << "Max 200 came along";
    const Look seen = {StyleFlat, 2, 0, false};  // 3 of 200 is kept as 2 %
    EXPECT_EQ(DifferenceFromSoftware(window->Handle(), 120, 20, seen), "");

    bar.SetMax(100);
    bar.SetValue(70);
    window.reset();
    EXPECT_EQ(&bar.Host(), &memory);
    EXPECT_EQ(bar.Value(), 70);
    PixelBarHost software(120, 20);
    XpProgressBar expected(software);
    Apply(expected, {StyleFlat, 70, 0, false});
    EXPECT_EQ(Difference(memory.Screen(), software.Screen(), 120, 20), "") << "drawn in memory again";
}

TEST(ProgressBarWindow_Messages, GetPosAnswersTheValue) {
    BarOnScreen control(100, 20);
    ASSERT_TRUE(control.window);
    control.bar.SetValue(42);
    EXPECT_EQ(SendMessageW(control.Handle(), PBM_GETPOS, 0, 0), 42);
    control.bar.SetMax(200);
    control.bar.SetValue(3);
    EXPECT_EQ(SendMessageW(control.Handle(), PBM_GETPOS, 0, 0), 4) << "1.5 % kept as 2, read back as 4";
    control.bar.SetMax(0);
    EXPECT_EQ(control.bar.SetValue(9), ValueWrite::DivisionByZero);
    EXPECT_EQ(SendMessageW(control.Handle(), PBM_GETPOS, 0, 0), 0) << "2 % of Max 0";
}

TEST(ProgressBarWindow_Messages, PersistedPropertyChangesReachTheContainer) {
    BarOnScreen control(100, 20);
    ASSERT_TRUE(control.window);
    std::vector<std::string> changed;
    control.window->OnPropertyChanged = [&](std::string_view name) { changed.emplace_back(name); };
    control.bar.SetScrolling(StyleFlat);
    control.bar.SetValue(20);
    control.bar.SetShowText(true);
    EXPECT_EQ(changed, (std::vector<std::string>{"Scrolling", "ShowText"}));
}

TEST(ProgressBarWindow_Text, TwoToneCaptionIsDrawnByGdiInBothColours) {
    BarOnScreen control(353, 25);
    ASSERT_TRUE(control.window);
    XpProgressBar& bar = control.bar;
    bar.SetFont(std::make_shared<TextFont>(TextFont{"Arial", 12}));
    bar.SetColor(0x800000);
    bar.SetScrolling(StyleGlossy);
    bar.SetShowText(true);
    bar.SetValue(50);
    auto picture = Capture(control.Handle(), 353, 25);
    ASSERT_TRUE(picture);
    // The fill ends at 176.5; the text straddles it.
    int whiteOverFill = 0;
    int blackBeyond = 0;
    for (int y = 3; y < 22; ++y) {
        for (int x = 130; x < 176; ++x) whiteOverFill += picture->Pixel(x, y) == 0xFFFFFF;
        for (int x = 177; x < 225; ++x) blackBeyond += picture->Pixel(x, y) == 0x000000;
    }
    EXPECT_GT(whiteOverFill, 3);
    EXPECT_GT(blackBeyond, 3);
}

}  // namespace
}  // namespace brivex
