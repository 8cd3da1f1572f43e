#include "tweaks/win32/TweakArt.h"

#include <windows.h>

#include "graphics/win32/Art.h"
#include "graphics/win32/ArtTools.h"
#include "tweaks/TweakBackground.h"

namespace brivex {

namespace {

using namespace art;

// A header band with the mark and a few sliders, and under it one quiet sheet
// per column of boxes, ruled between the rows so each box meets its state.
void PaintTweakBackground(HDC dc, const RECT& area, int dpi) {
    const TweakBackground shapes = LayOutTweakBackground(area.right - area.left, area.bottom, dpi);
    DrawGround(dc, shapes.ground, L"Brivex Tweaker");
    for (const TweakSlider& slider : shapes.sliders) {
        Line(dc, slider.track, kPale, shapes.trackWidth);
        Disc(dc, slider.knob, kGold, kNavy);
    }
    for (const TweakColumn& column : shapes.columns) {
        Box(dc, column.sheet, kPaper, kPale);
        for (const Segment& rule : column.rules) Line(dc, rule, kPanel, 1);
    }
}

}  // namespace

void RegisterTweakArt() { art::RegisterArt("tweak.background", &PaintTweakBackground); }

}  // namespace brivex
