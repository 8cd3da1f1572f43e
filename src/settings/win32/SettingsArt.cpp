#include "settings/win32/SettingsArt.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "base/Units.h"
#include "graphics/win32/Art.h"
#include "graphics/win32/ArtTools.h"
#include "settings/FrmSettings.h"

namespace brivex {

namespace {

using namespace art;

// A cog: the window's own sign, at the band's right end.
void Cog(HDC dc, int cx, int cy, int r) {
    constexpr int kTeeth = 8;
    constexpr double kPi = 3.14159265358979;
    for (int i = 0; i < kTeeth; ++i) {
        const double angle = 2 * kPi * i / kTeeth;
        Line(dc, cx, cy, cx + static_cast<int>(std::lround(std::cos(angle) * r)),
             cy + static_cast<int>(std::lround(std::sin(angle) * r)), kGold, std::max(2, r / 3));
    }
    Disc(dc, cx, cy, r * 3 / 4, kGold, kNavy);
    Disc(dc, cx, cy, r / 3, kNavy, kNavy);
}

// A header band with the mark and a cog, and a quiet sheet under the panels.
void SettingsBackground(HDC dc, const RECT& area, int dpi) {
    using namespace settingsdesign;
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    const int width = area.right - area.left;
    const int band = px(kBand);
    DrawGround(dc, ToolWindowGround(width, area.bottom, dpi, kBand, 80), L"Configuration");
    Cog(dc, width - px(34), band / 2, px(13));
}

}  // namespace

void RegisterSettingsArt() { art::RegisterArt("settings.background", &SettingsBackground); }

}  // namespace brivex
