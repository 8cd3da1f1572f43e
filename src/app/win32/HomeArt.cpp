#include "app/win32/HomeArt.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "optimise/win32/RebootArt.h"
#include "ui/win32/Art.h"
#include "ui/win32/Gdi.h"

namespace brivex {

namespace {

using ui::GdiObject;
using ui::Selected;

COLORREF Mix(COLORREF a, COLORREF b, double t) {
    const auto channel = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

void FillSolid(HDC dc, const RECT& area, COLORREF color) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(dc, &area, brush.Get());
}

void Gradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
    const int height = area.bottom - area.top;
    for (int y = 0; y < height; ++y) {
        RECT line{area.left, area.top + y, area.right, area.top + y + 1};
        FillSolid(dc, line, Mix(top, bottom, height > 1 ? static_cast<double>(y) / (height - 1) : 0));
    }
}

void Ellipse(HDC dc, int x, int y, int w, int h, COLORREF fill, COLORREF outline, int width = 1) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(fill));
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, width, outline));
    Selected b(dc, brush.Get());
    Selected p(dc, pen.Get());
    ::Ellipse(dc, x, y, x + w, y + h);
}

void Text(HDC dc, const wchar_t* text, RECT area, int height, int weight, COLORREF color, UINT format,
          const wchar_t* face = L"Tahoma") {
    GdiObject<HFONT> font(CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, face));
    Selected f(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextW(dc, text, -1, &area, format);
}

// The emblem: a stylised gauge in a ring, the program's mark.
void Emblem(HDC dc, int cx, int cy, int r) {
    Ellipse(dc, cx - r, cy - r, 2 * r, 2 * r, RGB(0xFF, 0xFF, 0xFF), RGB(0x9C, 0xC6, 0xF2), 3);
    Ellipse(dc, cx - r + 6, cy - r + 6, 2 * r - 12, 2 * r - 12, RGB(0x2A, 0x6E, 0xC0), RGB(0x1B, 0x4E, 0x92), 1);
    GdiObject<HPEN> needle(CreatePen(PS_SOLID, 3, RGB(0xFF, 0xC8, 0x3C)));
    Selected p(dc, needle.Get());
    MoveToEx(dc, cx, cy, nullptr);
    LineTo(dc, cx + r * 45 / 100, cy - r * 45 / 100);
    Ellipse(dc, cx - 4, cy - 4, 8, 8, RGB(0xFF, 0xC8, 0x3C), RGB(0xFF, 0xC8, 0x3C));
}

void HomeBackground(HDC dc, const RECT& area) {
    const int width = area.right - area.left;
    Gradient(dc, RECT{0, 0, width, 74}, RGB(0x1C, 0x4F, 0x93), RGB(0x2F, 0x78, 0xC8));
    Gradient(dc, RECT{0, 74, width, area.bottom}, RGB(0xEE, 0xF4, 0xFC), RGB(0xD4, 0xE4, 0xF7));
    FillSolid(dc, RECT{0, 74, width, 77}, RGB(0xFF, 0xC8, 0x3C));
    Emblem(dc, 50, 38, 28);
    Text(dc, L"Velmora Doziv", RECT{94, 10, 420, 44}, 24, FW_BOLD, RGB(0xFF, 0xFF, 0xFF), DT_LEFT | DT_SINGLELINE);
    // The left column stands on a quiet panel.
    GdiObject<HBRUSH> panel(CreateSolidBrush(RGB(0xE2, 0xEC, 0xF9)));
    GdiObject<HPEN> edge(CreatePen(PS_SOLID, 1, RGB(0xB4, 0xCB, 0xEA)));
    Selected b(dc, panel.Get());
    Selected p(dc, edge.Get());
    RoundRect(dc, 8, 84, 200, area.bottom - 12, 14, 14);
    Text(dc, L"Velmora Doziv v3.0", RECT{214, area.bottom - 26, area.right - 16, area.bottom - 8}, 11, FW_NORMAL,
         RGB(0x6A, 0x86, 0xA8), DT_LEFT | DT_SINGLELINE);
}

// Eight stage pictures: a dial whose filled arc grows stage by stage, each with its own symbol colour.
void StagePicture(HDC dc, const RECT& area, int stage) {
    const int size = std::min(area.right - area.left, area.bottom - area.top);
    const int cx = area.left + size / 2;
    const int cy = area.top + size / 2;
    const int r = size / 2 - 4;
    Ellipse(dc, cx - r, cy - r, 2 * r, 2 * r, RGB(0xFF, 0xFF, 0xFF), RGB(0xB4, 0xCB, 0xEA), 2);
    if (stage > 0) {
        constexpr double kPi = 3.14159265358979;
        const double sweep = 2 * kPi * stage / 8;
        const int x = cx + static_cast<int>(std::lround(r * std::sin(sweep)));
        const int y = cy - static_cast<int>(std::lround(r * std::cos(sweep)));
        GdiObject<HBRUSH> fill(CreateSolidBrush(stage == 8 ? RGB(0x3C, 0xB0, 0x5A) : RGB(0x2F, 0x78, 0xC8)));
        GdiObject<HPEN> none(CreatePen(PS_NULL, 0, 0));
        Selected b(dc, fill.Get());
        Selected p(dc, none.Get());
        if (stage == 8) ::Ellipse(dc, cx - r + 2, cy - r + 2, cx + r - 1, cy + r - 1);
        else Pie(dc, cx - r + 2, cy - r + 2, cx + r - 1, cy + r - 1, x, y, cx, cy - r);
    }
    Ellipse(dc, cx - r / 2, cy - r / 2, r, r, RGB(0xFF, 0xFF, 0xFF), RGB(0xB4, 0xCB, 0xEA), 1);
    if (stage == 0) {  // before any optimisation: the emblem, waiting
        Emblem(dc, cx, cy, r / 2);
        return;
    }
    const std::wstring label = stage == 8 ? L"\u2713" : std::to_wstring(stage);
    Text(dc, label.c_str(), RECT{cx - r / 2, cy - r / 2, cx + r / 2, cy + r / 2}, r / 2 + 4, FW_BOLD,
         RGB(0x1C, 0x4F, 0x93), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

void RegisterProgramArt() {
    ui::RegisterArt("home.background", &HomeBackground);
    RegisterRebootArt();
    for (int stage = 0; stage <= 8; ++stage)
        ui::RegisterArt("stage." + std::to_string(stage),
                        [stage](HDC dc, const RECT& area) { StagePicture(dc, area, stage); });
}

}  // namespace brivex
