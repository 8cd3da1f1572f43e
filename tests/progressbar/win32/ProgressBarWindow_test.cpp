// The bar as a Win32 window, made as a message-only window so that it needs no
// display; its pixels are read back through WM_PRINTCLIENT.

#include "progressbar/win32/ProgressBarWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "progressbar/ProgressStyle.h"
#include "progressbar/PixelBarHost.h"
#include "graphics/win32/DibCanvas.h"

namespace brivex {
namespace {

constexpr ColorRef kBarColour = 0xFFD3A8;

std::unique_ptr<ProgressBarWindow> MakeWindow(int width, int height) {
    return ProgressBarWindow::Create(HWND_MESSAGE, RECT{0, 0, width, height});
}

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
    auto picture = DibCanvas::Create(width, height);
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
                    auto control = MakeWindow(size.width, size.height);
                    ASSERT_TRUE(control);
                    Apply(control->Bar(), look);
                    EXPECT_EQ(DifferenceFromSoftware(control->Handle(), size.width, size.height, look), "")
                        << size.width << "x" << size.height << " style " << scrolling << " orientation " << orientation
                        << " at " << percent;
                }
}

TEST(ProgressBarWindow_Pixels, FollowResizing) {
    auto control = MakeWindow(120, 20);
    ASSERT_TRUE(control);
    const Look look = {StyleChunks, 60, 0, false};
    Apply(control->Bar(), look);
    for (const Size& size : {Size{200, 30}, Size{90, 12}, Size{210, 16}}) {
        SetWindowPos(control->Handle(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(DifferenceFromSoftware(control->Handle(), size.width, size.height, look), "")
            << size.width << "x" << size.height;
    }
}

TEST(ProgressBarWindow_Messages, GetPosAnswersTheValue) {
    auto control = MakeWindow(100, 20);
    ASSERT_TRUE(control);
    control->Bar().SetValue(42);
    EXPECT_EQ(SendMessageW(control->Handle(), PBM_GETPOS, 0, 0), 42);
    control->Bar().SetMax(200);
    control->Bar().SetValue(3);
    EXPECT_EQ(SendMessageW(control->Handle(), PBM_GETPOS, 0, 0), 4) << "1.5 % kept as 2, read back as 4";
    control->Bar().SetMax(0);
    EXPECT_EQ(control->Bar().SetValue(9), ValueWrite::DivisionByZero);
    EXPECT_EQ(SendMessageW(control->Handle(), PBM_GETPOS, 0, 0), 0) << "2 % of Max 0";
}

TEST(ProgressBarWindow_Messages, PersistedPropertyChangesReachTheContainer) {
    auto control = MakeWindow(100, 20);
    ASSERT_TRUE(control);
    std::vector<std::string> changed;
    control->OnPropertyChanged = [&](std::string_view name) { changed.emplace_back(name); };
    control->Bar().SetScrolling(StyleFlat);
    control->Bar().SetValue(20);
    control->Bar().SetShowText(true);
    EXPECT_EQ(changed, (std::vector<std::string>{"Scrolling", "ShowText"}));
}

TEST(ProgressBarWindow_Text, TwoToneCaptionIsDrawnByGdiInBothColours) {
    auto control = MakeWindow(353, 25);
    ASSERT_TRUE(control);
    XpProgressBar& bar = control->Bar();
    bar.SetFont(std::make_shared<TextFont>(TextFont{"Arial", 12}));
    bar.SetColor(0x800000);
    bar.SetScrolling(StyleGlossy);
    bar.SetShowText(true);
    bar.SetValue(50);
    auto picture = Capture(control->Handle(), 353, 25);
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
