#include "optimise/win32/RebootArt.h"

#include <windows.h>

#include "graphics/win32/Art.h"
#include "graphics/win32/ArtTools.h"
#include "graphics/win32/MarkArt.h"
#include "optimise/RebootBackground.h"
#include "optimise/RebootPictures.h"

namespace brivex {

namespace {

using namespace art;

constexpr COLORREF kSteel = RGB(0x5A, 0x6E, 0x86);
constexpr COLORREF kSlate = RGB(0x3E, 0x50, 0x66);
constexpr COLORREF kDarkSlate = RGB(0x2A, 0x38, 0x4A);

// A header band with the mark, a quiet column for the pictures, and a white
// sheet under the report that it covers once fully revealed.
void PaintRebootBackground(HDC dc, const RECT& area, int dpi) {
    const RebootBackground shapes = LayOutRebootBackground(area.right, area.bottom, dpi);
    DrawGround(dc, shapes.ground, L"Brivex Doziv");
    Box(dc, shapes.column, kPanel, kPale);
    Box(dc, shapes.sheet, kWhite, kPale);
}

void PaintDonePicture(HDC dc, const RECT& area, int) {
    const DonePicture shapes = LayOutDonePicture(ToArea(area));
    Box(dc, shapes.stand, kSteel, kNone);
    Box(dc, shapes.foot, kSteel, kSlate);
    Box(dc, shapes.monitor, kSlate, kDarkSlate, 2);
    Gradient(dc, ToRect(shapes.screen), RGB(0x5B, 0x9B, 0xE0), kNavy);
    Disc(dc, shapes.light, kGreen, kWhite, 2);
    DrawMark(dc, shapes.tick, kWhite);
}

void PaintBootPicture(HDC dc, const RECT& area, int) {
    const BootPicture shapes = LayOutBootPicture(ToArea(area));
    Disc(dc, shapes.button, kBlue, kNavy);
    {
        Ink ink(dc, kNone, kWhite, shapes.strokeWidth);
        const Rect& r = shapes.ring;
        Arc(dc, r.left, r.top, r.right, r.bottom, shapes.ringStart.x, shapes.ringStart.y, shapes.ringEnd.x,
            shapes.ringEnd.y);
    }
    Line(dc, shapes.bar, kWhite, shapes.strokeWidth);
}

void PaintProcessorPicture(HDC dc, const RECT& area, int) {
    const ProcessorPicture shapes = LayOutProcessorPicture(ToArea(area));
    for (const Segment& pin : shapes.pins) Line(dc, pin, kSteel, shapes.pinWidth);
    Box(dc, shapes.chip, kDarkSlate, kNavy);
    Box(dc, {shapes.core, 0}, kGold, kNone);
}

void PaintDiskPicture(HDC dc, const RECT& area, int) {
    const DiskPicture shapes = LayOutDiskPicture(ToArea(area));
    Box(dc, shapes.drive, RGB(0xC8, 0xD2, 0xDE), kSteel);
    Disc(dc, shapes.platter, RGB(0xEE, 0xF2, 0xF7), kSteel);
    Disc(dc, shapes.spindle, kSteel, kSteel);
    Disc(dc, shapes.light, kGreen, kNone);
}

}  // namespace

void RegisterRebootArt() {
    art::RegisterArt("reboot.background", &PaintRebootBackground);
    art::RegisterArt("reboot.done", &PaintDonePicture);
    art::RegisterArt("reboot.boot", &PaintBootPicture);
    art::RegisterArt("reboot.processor", &PaintProcessorPicture);
    art::RegisterArt("reboot.disk", &PaintDiskPicture);
}

}  // namespace brivex
