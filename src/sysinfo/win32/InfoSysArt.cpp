#include "sysinfo/win32/InfoSysArt.h"

#include <windows.h>

#include "base/Units.h"
#include "graphics/win32/Art.h"
#include "graphics/win32/ArtTools.h"
#include "sysinfo/FrmInfoSys.h"

namespace brivex {

namespace {

using namespace art;

// A header band with the mark and a small chip, a rail behind the panel
// buttons, and a quiet sheet where the panels stand.
void InfoSysBackground(HDC dc, const RECT& area, int dpi) {
    using namespace infosysdesign;
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    const int width = area.right - area.left;
    DrawGround(dc, ToolWindowGround(width, area.bottom, dpi, kBand, 150), L"Brivex Information Syst\u00e8me");

    // A chip with its pins: the window's own sign, left of the close button.
    const int chipLeft = width - px(168);
    const int chipTop = px(12);
    const int chipSize = px(20);
    for (int pin = 0; pin < 4; ++pin) {
        const int at = chipTop + px(3 + pin * 5);
        Line(dc, chipLeft - px(4), at, chipLeft + chipSize + px(4), at, kPale, px(1));
        const int across = chipLeft + px(3 + pin * 5);
        Line(dc, across, chipTop - px(4), across, chipTop + chipSize + px(4), kPale, px(1));
    }
    Box(dc, RECT{chipLeft, chipTop, chipLeft + chipSize, chipTop + chipSize}, px(4), kNavy, kGold, px(2));

    const int railBottom = px(kButtonsTop + 4 * kButtonStep + kButtonHeight + 10);
    Box(dc, RECT{px(kButtonsLeft - 8), px(kButtonsTop - 10), px(kButtonsLeft + kButtonWidth + 8), railBottom}, px(12),
        RGB(0xF8, 0xFB, 0xFF), kPale);
    Box(dc, RECT{px(kPanelLeft - 4), px(kPanelTop - 4), px(kPanelLeft + kPanelWidth + 4), px(kPanelTop + kPanelHeight + 4)},
        px(12), RGB(0xF8, 0xFB, 0xFF), kPale);
}

}  // namespace

void RegisterInfoSysArt() { art::RegisterArt("infosys.background", &InfoSysBackground); }

}  // namespace brivex
