#include "app/win32/HomeArt.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "backup/win32/BackupArt.h"
#include "base/Units.h"
#include "graphics/win32/Art.h"
#include "graphics/win32/ArtTools.h"
#include "graphics/win32/MarkArt.h"
#include "optimise/win32/RebootArt.h"
#include "settings/win32/SettingsArt.h"
#include "sysinfo/win32/InfoSysArt.h"
#include "tweaks/win32/TweakArt.h"

namespace brivex {

namespace {

using namespace art;

void HomeBackground(HDC dc, const RECT& area, int dpi) {
    // Drawn in pixels at 96 dots per inch and scaled, with the controls, to the window's.
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    DrawGround(dc, MainWindowGround(area.right - area.left, area.bottom, dpi), L"Velmora Doziv");
    // The left column stands on a quiet panel.
    Box(dc, RECT{px(8), px(84), px(200), area.bottom - px(12)}, px(14), RGB(0xE2, 0xEC, 0xF9), kPale, px(1));
    Text(dc, L"Velmora Doziv v3.0", RECT{px(214), area.bottom - px(26), area.right - px(16), area.bottom - px(8)},
         px(11), FW_NORMAL, RGB(0x6A, 0x86, 0xA8), DT_LEFT | DT_SINGLELINE);
}

// The stage pictures: a dial whose filled part grows stage by stage, the
// eighth full and green; before any optimisation, the program's mark.
void StagePicture(HDC dc, const RECT& area, int stage) {
    const int size = std::min(area.right - area.left, area.bottom - area.top);
    const int cx = area.left + size / 2;
    const int cy = area.top + size / 2;
    const int r = size / 2 - 4;
    Disc(dc, cx, cy, r, kWhite, kPale, 2);
    if (stage == 0) {
        Emblem(dc, cx, cy, r / 2);
        return;
    }
    {
        Ink ink(dc, stage == 8 ? kGreen : kBlue, kNone);
        if (stage == 8) {
            Ellipse(dc, cx - r + 2, cy - r + 2, cx + r - 1, cy + r - 1);
        } else {
            constexpr double kPi = 3.14159265358979;
            const double sweep = 2 * kPi * stage / 8;
            const int x = cx + static_cast<int>(std::lround(r * std::sin(sweep)));
            const int y = cy - static_cast<int>(std::lround(r * std::cos(sweep)));
            Pie(dc, cx - r + 2, cy - r + 2, cx + r - 1, cy + r - 1, x, y, cx, cy - r);
        }
    }
    Disc(dc, cx, cy, r / 2, kWhite, kPale);
    if (stage == 8) {
        DrawMark(dc, CheckMark(CentredSquare({cx - r / 2, cy - r / 2, cx + r / 2, cy + r / 2}, 64)), kNavy);
        return;
    }
    Text(dc, std::to_wstring(stage).c_str(), RECT{cx - r / 2, cy - r / 2, cx + r / 2, cy + r / 2}, r / 2 + 4, FW_BOLD,
         kNavy, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

void RegisterProgramArt() {
    art::RegisterArt("home.background", &HomeBackground);
    RegisterMarkArt();
    for (int stage = 0; stage <= 8; ++stage)
        art::RegisterArt("stage." + std::to_string(stage),
                        [stage](HDC dc, const RECT& area, int) { StagePicture(dc, area, stage); });
    RegisterRebootArt();
    RegisterTweakArt();
    RegisterSettingsArt();
    RegisterBackupArt();
    RegisterInfoSysArt();
}

}  // namespace brivex
