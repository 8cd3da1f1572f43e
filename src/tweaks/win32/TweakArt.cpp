#include "tweaks/win32/TweakArt.h"

#include <windows.h>

#include "base/Units.h"
#include "graphics/win32/Art.h"
#include "graphics/win32/ArtTools.h"
#include "tweaks/FrmTweak.h"

namespace brivex {

namespace {

using namespace art;

// A header band with the mark and a few sliders, and under it one quiet sheet
// per column of boxes, ruled between the rows so each box meets its state.
void TweakBackground(HDC dc, const RECT& area, int dpi) {
    using namespace tweakdesign;
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    const int width = area.right - area.left;
    DrawGround(dc, ToolWindowGround(width, area.bottom, dpi, kBand, 140), L"Brivex Tweaker");

    // Three sliders at the band's right end: the panel's own sign.
    const int knobs[] = {62, 30, 78};
    for (int i = 0; i < 3; ++i) {
        const int y = px(12 + i * 10);
        const int left = width - px(118);
        const int right = width - px(24);
        Line(dc, left, y, right, y, kPale, px(2));
        Disc(dc, left + (right - left) * knobs[i] / 100, y, px(4), kGold, kNavy);
    }

    const int sheetTop = px(kRowsTop - 8);
    const int sheetBottom = px(kRowsTop + kRows * kRowHeight + 4);
    for (const int left : kColumnLeft) {
        Box(dc, RECT{px(left), sheetTop, px(left + kColumnWidth), sheetBottom}, px(12), RGB(0xF8, 0xFB, 0xFF), kPale);
        for (int row = 1; row < kRows; ++row) {
            const int y = px(kRowsTop + row * kRowHeight - 3);
            Line(dc, px(left + 10), y, px(left + kColumnWidth - 10), y, RGB(0xE2, 0xEC, 0xF9), 1);
        }
    }
}

}  // namespace

void RegisterTweakArt() { art::RegisterArt("tweak.background", &TweakBackground); }

}  // namespace brivex
