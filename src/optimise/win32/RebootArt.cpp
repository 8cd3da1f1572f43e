#include "optimise/win32/RebootArt.h"

#include <windows.h>

#include <algorithm>

#include "base/Units.h"
#include "graphics/win32/Art.h"
#include "graphics/win32/ArtTools.h"
#include "graphics/win32/Gdi.h"
#include "optimise/FrmReboot.h"

namespace brivex {

namespace {

using namespace art;

constexpr COLORREF kSteel = RGB(0x5A, 0x6E, 0x86);

// A white tick drawn with a thick round pen, sized to the circle it sits in.
void Tick(HDC dc, int cx, int cy, int r) {
    const LOGBRUSH white{BS_SOLID, kWhite, 0};
    GdiObject<HPEN> pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                     static_cast<DWORD>(std::max(2, r / 3)), &white, 0, nullptr));
    Selected in(dc, pen.Get());
    const POINT points[] = {{cx - r / 2, cy}, {cx - r / 8, cy + r * 3 / 8}, {cx + r / 2, cy - r * 3 / 8}};
    Polyline(dc, points, 3);
}

// A header band with the mark, a quiet column for the pictures, and a white
// sheet under the report that it covers once fully revealed.
void RebootBackground(HDC dc, const RECT& area, int dpi) {
    const auto twips = [dpi](int value) { return TwipsToPixels(value, dpi); };
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    DrawGround(dc, ToolWindowGround(area.right, area.bottom, dpi, 44, 12), L"Brivex Doziv");

    const int margin = px(8);
    const ui::Bounds& report = rebootdesign::kReport;
    const int top = twips(report.top) - margin;
    const int bottom = twips(report.top + rebootdesign::kReportFullHeight) + margin;
    Box(dc, RECT{margin, top, twips(report.left) - margin, bottom}, px(14), RGB(0xE2, 0xEC, 0xF9), kPale);
    Box(dc, RECT{twips(report.left) - margin, top, twips(report.left + report.width) + margin, bottom}, px(10), kWhite,
        kPale);
}

// The optimised machine: a screen showing a green tick.
void DonePicture(HDC dc, const RECT& area, int) {
    const int size = std::min(area.right - area.left, area.bottom - area.top);
    const int x = area.left;
    const int y = area.top;
    const int standTop = y + size * 70 / 100;
    Box(dc, RECT{x + size * 38 / 100, standTop, x + size * 62 / 100, y + size * 86 / 100}, 0, kSteel, kNone);
    Box(dc, RECT{x + size * 22 / 100, y + size * 84 / 100, x + size * 78 / 100, y + size * 94 / 100}, size / 12, kSteel,
        RGB(0x3E, 0x50, 0x66));
    Box(dc, RECT{x + size * 4 / 100, y + size * 6 / 100, x + size * 96 / 100, standTop + size * 4 / 100}, size / 10,
        RGB(0x3E, 0x50, 0x66), RGB(0x2A, 0x38, 0x4A), 2);
    const RECT screen{x + size * 10 / 100, y + size * 12 / 100, x + size * 90 / 100, standTop - size * 2 / 100};
    Gradient(dc, screen, RGB(0x5B, 0x9B, 0xE0), kNavy);
    const int r = (screen.bottom - screen.top) * 36 / 100;
    const int cx = (screen.left + screen.right) / 2;
    const int cy = (screen.top + screen.bottom) / 2;
    Disc(dc, cx, cy, r, kGreen, kWhite, 2);
    Tick(dc, cx, cy, r);
}

// Boot: the power symbol on a round button.
void BootPicture(HDC dc, const RECT& area, int) {
    const int size = std::min(area.right - area.left, area.bottom - area.top);
    const int cx = area.left + size / 2;
    const int cy = area.top + size / 2;
    const int r = size / 2 - 1;
    Disc(dc, cx, cy, r, kBlue, kNavy);
    const int ring = r * 55 / 100;
    const int width = std::max(2, size / 10);
    {
        Ink ink(dc, kNone, kWhite, width);
        // Counter-clockwise from the upper left round to the upper right: the gap stays on top.
        Arc(dc, cx - ring, cy - ring, cx + ring + 1, cy + ring + 1, cx - ring / 2, cy - ring, cx + ring / 2, cy - ring);
    }
    Line(dc, cx, cy - ring - width / 2, cx, cy, kWhite, width);
}

// The processor: a chip with its pins.
void ProcessorPicture(HDC dc, const RECT& area, int) {
    const int size = std::min(area.right - area.left, area.bottom - area.top);
    const int x = area.left;
    const int y = area.top;
    const int inset = size * 18 / 100;
    const int width = std::max(1, size / 16);
    for (int pin = 0; pin < 4; ++pin) {
        const int at = inset + (size - 2 * inset) * (2 * pin + 1) / 8;
        Line(dc, x + at, y + 1, x + at, y + size - 2, kSteel, width);
        Line(dc, x + 1, y + at, x + size - 2, y + at, kSteel, width);
    }
    Box(dc, RECT{x + inset, y + inset, x + size - inset, y + size - inset}, size / 8, RGB(0x2A, 0x38, 0x4A), kNavy);
    Box(dc, RECT{x + size * 34 / 100, y + size * 34 / 100, x + size * 66 / 100, y + size * 66 / 100}, 0, kGold,
        kNone);
}

// The disk: a drive with its platter and a green light.
void DiskPicture(HDC dc, const RECT& area, int) {
    const int size = std::min(area.right - area.left, area.bottom - area.top);
    const int x = area.left;
    const int y = area.top;
    Box(dc, RECT{x + 2, y + size * 8 / 100, x + size - 2, y + size * 92 / 100}, size / 5, RGB(0xC8, 0xD2, 0xDE),
        kSteel);
    const int r = size * 28 / 100;
    Disc(dc, x + size / 2, y + size * 44 / 100, r, RGB(0xEE, 0xF2, 0xF7), kSteel);
    Disc(dc, x + size / 2, y + size * 44 / 100, std::max(1, r / 4), kSteel, kSteel);
    Disc(dc, x + size * 78 / 100, y + size * 80 / 100, std::max(1, size / 14), kGreen, kNone);
}

}  // namespace

void RegisterRebootArt() {
    art::RegisterArt("reboot.background", &RebootBackground);
    art::RegisterArt("reboot.done", &DonePicture);
    art::RegisterArt("reboot.boot", &BootPicture);
    art::RegisterArt("reboot.processor", &ProcessorPicture);
    art::RegisterArt("reboot.disk", &DiskPicture);
}

}  // namespace brivex
