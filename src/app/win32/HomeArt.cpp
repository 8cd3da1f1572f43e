#include "app/win32/HomeArt.h"

#include <windows.h>

#include <string>

#include "app/HomeBackground.h"
#include "app/StageDial.h"
#include "backup/win32/BackupArt.h"
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

void PaintHomeBackground(HDC dc, const RECT& area, int dpi) {
    const HomeBackground shapes = LayOutHomeBackground(area.right - area.left, area.bottom, dpi);
    DrawGround(dc, shapes.ground, L"Velmora Doziv");
    // The left column stands on a quiet panel.
    Box(dc, shapes.panel, kPanel, kPale, shapes.panelOutline);
    Text(dc, L"Velmora Doziv v3.0", ToRect(shapes.version), shapes.versionHeight, FW_NORMAL, RGB(0x6A, 0x86, 0xA8),
         DT_LEFT | DT_SINGLELINE);
}

void StagePicture(HDC dc, const RECT& area, int stage) {
    const StageDial dial = LayOutStageDial(ToArea(area), stage);
    Disc(dc, dial.dial, kWhite, kPale, 2);
    if (stage == 0) {
        Emblem(dc, dial.hub.x, dial.hub.y, dial.hub.radius);
        return;
    }
    {
        Ink ink(dc, stage == kStages ? kGreen : kBlue, kNone);
        const Rect& f = dial.fill;
        if (stage == kStages) Ellipse(dc, f.left, f.top, f.right, f.bottom);
        else
            Pie(dc, f.left, f.top, f.right, f.bottom, dial.sweepEnd.x, dial.sweepEnd.y, dial.sweepStart.x,
                dial.sweepStart.y);
    }
    Disc(dc, dial.hub, kWhite, kPale);
    if (stage == kStages) {
        DrawMark(dc, CheckMark(CentredSquare(dial.label, 64)), kNavy);
        return;
    }
    Text(dc, std::to_wstring(stage).c_str(), ToRect(dial.label), dial.labelHeight, FW_BOLD, kNavy,
         DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

void RegisterProgramArt() {
    art::RegisterArt("home.background", &PaintHomeBackground);
    RegisterMarkArt();
    for (int stage = 0; stage <= kStages; ++stage)
        art::RegisterArt("stage." + std::to_string(stage),
                         [stage](HDC dc, const RECT& area, int) { StagePicture(dc, area, stage); });
    RegisterRebootArt();
    RegisterTweakArt();
    RegisterSettingsArt();
    RegisterBackupArt();
    RegisterInfoSysArt();
}

}  // namespace brivex
