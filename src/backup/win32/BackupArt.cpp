#include "backup/win32/BackupArt.h"

#include <windows.h>

#include "backup/Sysbackup.h"
#include "base/Units.h"
#include "graphics/win32/ArtTools.h"
#include "ui/win32/Art.h"

namespace brivex {

namespace {

using namespace art;

// A header band with the mark and a stack of saved copies, the window's sign,
// left of the close button; the panels of both views sit on the sheet below.
void BackupBackground(HDC dc, const RECT& area) {
    using namespace backupdesign;
    const int dpi = AreaDpi(area, DesignPixelsToTwips(kWidth));
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    const int width = area.right - area.left;
    const int band = px(kBand);
    Gradient(dc, RECT{0, 0, width, band}, kNavy, kBlue);
    FillSolid(dc, RECT{0, band, width, band + px(3)}, kGold);
    Gradient(dc, RECT{0, band + px(3), width, area.bottom}, RGB(0xEE, 0xF4, 0xFC), RGB(0xD4, 0xE4, 0xF7));
    Emblem(dc, px(26), band / 2, px(17));
    Text(dc, L"System Backup", RECT{px(52), 0, width - px(120), band}, px(18), FW_BOLD, kWhite,
         DT_LEFT | DT_VCENTER | DT_SINGLELINE);

    const int right = width - px(60);
    for (int i = 2; i >= 0; --i) {
        const int left = right - px(30) + px(i * 4);
        const int top = px(9) + px(i * 4);
        Box(dc, RECT{left, top, left + px(22), top + px(16)}, px(4), i == 0 ? kGold : kPale, kNavy);
    }
    Line(dc, right - px(24), px(17), right - px(14), px(17), kNavy, px(2));
}

}  // namespace

void RegisterBackupArt() { ui::RegisterArt("backup.background", &BackupBackground); }

}  // namespace brivex
