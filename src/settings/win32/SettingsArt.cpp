#include "settings/win32/SettingsArt.h"

#include <windows.h>

#include "graphics/win32/Art.h"
#include "graphics/win32/ArtTools.h"
#include "settings/SettingsBackground.h"

namespace brivex {

namespace {

using namespace art;

// A header band with the mark and a cog, and a quiet sheet under the panels.
void PaintSettingsBackground(HDC dc, const RECT& area, int dpi) {
    const SettingsBackground shapes = LayOutSettingsBackground(area.right - area.left, area.bottom, dpi);
    DrawGround(dc, shapes.ground, L"Configuration");
    for (const Segment& tooth : shapes.teeth) Line(dc, tooth, kGold, shapes.toothWidth);
    Disc(dc, shapes.wheel, kGold, kNavy);
    Disc(dc, shapes.hub, kNavy, kNavy);
}

}  // namespace

void RegisterSettingsArt() { art::RegisterArt("settings.background", &PaintSettingsBackground); }

}  // namespace brivex
