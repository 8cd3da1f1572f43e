#include "backup/win32/BackupArt.h"

#include <windows.h>

#include "backup/Sysbackup.h"
#include "base/Units.h"
#include "graphics/win32/Art.h"
#include "graphics/win32/ArtTools.h"

namespace brivex {

namespace {

using namespace art;

// A header band with the mark and a stack of saved copies, the window's sign,
// left of the close button; the panels of both views sit on the sheet below.
void BackupBackground(HDC dc, const RECT& area, int dpi) {
    using namespace backupdesign;
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    const int width = area.right - area.left;
    DrawGround(dc, ToolWindowGround(width, area.bottom, dpi, kBand, 120), L"System Backup");

    const int right = width - px(60);
    for (int i = 2; i >= 0; --i) {
        const int left = right - px(30) + px(i * 4);
        const int top = px(9) + px(i * 4);
        Box(dc, RECT{left, top, left + px(22), top + px(16)}, px(4), i == 0 ? kGold : kPale, kNavy);
    }
    Line(dc, right - px(24), px(17), right - px(14), px(17), kNavy, px(2));
}

}  // namespace

void RegisterBackupArt() { art::RegisterArt("backup.background", &BackupBackground); }

}  // namespace brivex
