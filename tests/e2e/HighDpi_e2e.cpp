// The main window on a screen of more dots per inch than it was drawn for: the
// painted backdrop must follow the controls, read back from the real screen.

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <vector>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

constexpr DWORD kWindowTimeout = 60000;
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

// The screen's resolution as a new process of the prefix reads it; the old one comes back after the test.
class ScreenDpi {
public:
    explicit ScreenDpi(DWORD dpi) {
        DWORD size = sizeof previous_;
        had_ = RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &previous_,
                            &size) == ERROR_SUCCESS;
        Write(dpi);
    }
    ~ScreenDpi() {
        if (had_) Write(previous_);
        else RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels");
    }

private:
    static void Write(DWORD dpi) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
    DWORD previous_ = 96;
    bool had_ = false;
};

// The pixels of the whole screen, as the user sees them.
class ScreenPixels {
public:
    ScreenPixels() : width_(GetSystemMetrics(SM_CXSCREEN)), height_(GetSystemMetrics(SM_CYSCREEN)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        pixels_.resize(static_cast<std::size_t>(width_) * height_);
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        GetDIBits(memory, bitmap, 0, height_, pixels_.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    // 0x00RRGGBB; black outside the screen.
    DWORD At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
        return pixels_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFF;
    }

private:
    int width_;
    int height_;
    std::vector<DWORD> pixels_;
};

int Red(DWORD c) { return (c >> 16) & 0xFF; }
int Green(DWORD c) { return (c >> 8) & 0xFF; }
int Blue(DWORD c) { return c & 0xFF; }

// The header band is a dark blue gradient; the body under it and the labels' texts are light.
bool OnHeaderBand(DWORD c) { return Red(c) < 0x60 && Blue(c) > 0x80 && Blue(c) - Red(c) > 0x60; }

// The outline of the left panel: the palette's pale blue.
bool IsPanelOutline(DWORD c) {
    return std::abs(Red(c) - 0xB4) <= 8 && std::abs(Green(c) - 0xCB) <= 8 && std::abs(Blue(c) - 0xEA) <= 8;
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

double ShareOnHeaderBand(const ScreenPixels& screen, const RECT& r) {
    int on = 0;
    int all = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x, ++all) on += OnHeaderBand(screen.At(x, y));
    return all ? static_cast<double>(on) / all : 0;
}

// Walks `reach` pixels from (x, y) by (dx, dy); true when the panel's outline is met. The panel
// surrounds its buttons with a margin of 10 design pixels.
bool MeetsPanelOutline(const ScreenPixels& screen, int reach, int x, int y, int dx, int dy) {
    for (int step = 0; step < reach; ++step, x += dx, y += dy)
        if (IsPanelOutline(screen.At(x, y))) return true;
    return false;
}

bool LooksLikeDate(const std::wstring& text) {
    return std::count(text.begin(), text.end(), L'/') == 2 && std::iswdigit(text.front());
}
bool LooksLikeClock(const std::wstring& text) { return text.size() == 8 && text[2] == L':' && text[5] == L':'; }

class HighDpiE2e : public ::testing::TestWithParam<DWORD> {
protected:
    HighDpiE2e() {
        EndLeftoverInstances();
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");
    }
    ~HighDpiE2e() override { ClearSettings(); }
    Installation installation;
};

TEST_P(HighDpiE2e, HeaderLabelsSitOnTheBandAndTheLeftButtonsInsideThePanel) {
    ScreenDpi dpi(GetParam());
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(L"Velmora Xp", kWindowTimeout);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Poll(5000, [&] { return FindChild(main, L"A propos") != nullptr; }));
    Sleep(800);  // the first paint of every child

    HWND version = FindChild(main, L"Version BETA");
    HWND date = nullptr;
    HWND clock = nullptr;
    for (HWND child : Children(main)) {
        const std::wstring text = TextOf(child);
        if (!text.empty() && LooksLikeDate(text)) date = child;
        if (LooksLikeClock(text)) clock = child;
    }
    ASSERT_NE(version, nullptr);
    ASSERT_NE(date, nullptr);
    ASSERT_NE(clock, nullptr);

    const ScreenPixels screen;
    const int reach = static_cast<int>(16 * GetParam() / 96);
    for (HWND label : {version, date, clock}) {
        const std::wstring text = TextOf(label);
        EXPECT_GT(ShareOnHeaderBand(screen, ScreenRect(label)), 0.5)
            << "\"" << std::string(text.begin(), text.end()) << "\" is off the header band";
    }

    const wchar_t* column[] = {
        L"Info Syst\u00e8me", L"Configuration", L"System Backup",       L"Centre de t\u00e9l\u00e9xhargement",
        L"Brivex Forums",     L"L'aide",        L"Velmora Doziv Plus!", L"A propos"};
    std::vector<RECT> buttons;
    for (const wchar_t* caption : column) {
        HWND button = FindChild(main, caption);
        ASSERT_NE(button, nullptr);
        buttons.push_back(ScreenRect(button));
    }
    for (const RECT& b : buttons) {
        const int middle = (b.top + b.bottom) / 2;
        EXPECT_TRUE(MeetsPanelOutline(screen, reach, b.left - 1, middle, -1, 0)) << "no panel left of " << b.left;
        EXPECT_TRUE(MeetsPanelOutline(screen, reach, b.right, middle, 1, 0)) << "no panel right of " << b.right;
    }
    const int centre = (buttons.front().left + buttons.front().right) / 2;
    EXPECT_TRUE(MeetsPanelOutline(screen, reach, centre, buttons.back().bottom, 0, 1)) << "no panel below";

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(10000));
}

INSTANTIATE_TEST_SUITE_P(Screens, HighDpiE2e, ::testing::Values(96u, 120u, 144u),
                         [](const auto& info) { return std::to_string(info.param) + "dpi"; });

}  // namespace
}  // namespace brivex::e2e
