#include "sysinfo/win32/InfoSysArt.h"

#include <windows.h>

#include "graphics/win32/Art.h"
#include "graphics/win32/ArtTools.h"
#include "sysinfo/InfoSysBackground.h"

namespace brivex {

namespace {

using namespace art;

// A header band with the mark and a small chip, a rail behind the panel
// buttons, and a quiet sheet where the panels stand.
void PaintInfoSysBackground(HDC dc, const RECT& area, int dpi) {
    const InfoSysBackground shapes = LayOutInfoSysBackground(area.right - area.left, area.bottom, dpi);
    DrawGround(dc, shapes.ground, L"Brivex Information Syst\u00e8me");
    for (const Segment& pin : shapes.pins) Line(dc, pin, kPale, shapes.pinWidth);
    Box(dc, shapes.chip, kNavy, kGold, shapes.chipOutline);
    Box(dc, shapes.rail, kPaper, kPale);
    Box(dc, shapes.sheet, kPaper, kPale);
}

}  // namespace

void RegisterInfoSysArt() { art::RegisterArt("infosys.background", &PaintInfoSysBackground); }

}  // namespace brivex
