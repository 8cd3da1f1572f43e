#include "backup/win32/BackupArt.h"

#include <windows.h>

#include "backup/BackupBackground.h"
#include "graphics/win32/Art.h"
#include "graphics/win32/ArtTools.h"

namespace brivex {

namespace {

using namespace art;

// A header band with the mark and a stack of saved copies, the window's sign,
// left of the close button; the panels of both views sit on the sheet below.
void PaintBackupBackground(HDC dc, const RECT& area, int dpi) {
    const BackupBackground shapes = LayOutBackupBackground(area.right - area.left, area.bottom, dpi);
    DrawGround(dc, shapes.ground, L"System Backup");
    for (const RoundBox& copy : shapes.copies) Box(dc, copy, &copy == &shapes.copies.back() ? kGold : kPale, kNavy);
    Line(dc, shapes.label, kNavy, shapes.labelWidth);
}

}  // namespace

void RegisterBackupArt() { art::RegisterArt("backup.background", &PaintBackupBackground); }

}  // namespace brivex
