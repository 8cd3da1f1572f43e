#include "graphics/win32/ArtTools.h"

#include <cstdint>
#include <vector>

#include "graphics/Emblem.h"
#include "graphics/win32/FontRequest.h"

namespace brivex::art {

void FillSolid(HDC dc, const RECT& area, COLORREF color) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(dc, &area, brush.Get());
}

void Gradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
    // One call: the backdrops are drawn while the window is made, before anyone sees it.
    const auto vertex = [](LONG x, LONG y, COLORREF c) {
        return TRIVERTEX{x,
                         y,
                         static_cast<COLOR16>(GetRValue(c) << 8),
                         static_cast<COLOR16>(GetGValue(c) << 8),
                         static_cast<COLOR16>(GetBValue(c) << 8),
                         0};
    };
    TRIVERTEX corners[] = {vertex(area.left, area.top, top), vertex(area.right, area.bottom, bottom)};
    GRADIENT_RECT rect{0, 1};
    GdiGradientFill(dc, corners, 2, &rect, 1, GRADIENT_FILL_RECT_V);  // gdi32's own: no other library to load
}

Ink::Ink(HDC dc, COLORREF fill, COLORREF outline, int width)
    : brush_(fill == kNone ? nullptr : CreateSolidBrush(fill)),
      pen_(CreatePen(outline == kNone ? PS_NULL : PS_SOLID, width, outline == kNone ? 0 : outline)),
      brushIn_(dc, brush_ ? brush_.Get() : GetStockObject(NULL_BRUSH)),
      penIn_(dc, pen_.Get()) {}

void Disc(HDC dc, const Circle& circle, COLORREF fill, COLORREF outline, int width) {
    Ink ink(dc, fill, outline, width);
    const auto [cx, cy, r] = circle;
    Ellipse(dc, cx - r, cy - r, cx + r + 1, cy + r + 1);
}

void Box(HDC dc, const RoundBox& box, COLORREF fill, COLORREF outline, int width) {
    Ink ink(dc, fill, outline, width);
    const Rect& area = box.area;
    RoundRect(dc, area.left, area.top, area.right, area.bottom, box.corner, box.corner);
}

void Line(HDC dc, const Segment& segment, COLORREF color, int width) {
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, width, color));
    Selected in(dc, pen.Get());
    MoveToEx(dc, segment.x1, segment.y1, nullptr);
    LineTo(dc, segment.x2, segment.y2);
}

void Text(HDC dc, const wchar_t* text, RECT area, int height, int weight, COLORREF color, UINT format) {
    GdiObject<HFONT> font(MakeFont({"Tahoma", -height, weight}));
    Selected in(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextW(dc, text, -1, &area, format);
}

void DrawGround(HDC dc, const Ground& ground, const wchar_t* title) {
    Gradient(dc, ToRect(ground.band), kNavy, kBlue);
    Gradient(dc, ToRect(ground.sheet), RGB(0xEE, 0xF4, 0xFC), RGB(0xD4, 0xE4, 0xF7));
    FillSolid(dc, ToRect(ground.rule), kGold);
    Emblem(dc, ground.mark.x, ground.mark.y, ground.mark.radius);
    Text(dc, title, ToRect(ground.title), ground.titleHeight, FW_BOLD, kWhite,
         DT_LEFT | DT_SINGLELINE | (ground.titleCentred ? DT_VCENTER : 0));
}

void Emblem(HDC dc, int cx, int cy, int r) {
    // The mark as the program's icon has it, blended by its coverage over what is already drawn.
    const int size = 2 * r + 1;
    const std::vector<std::uint32_t> mark = DrawEmblem(size);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return;
    // Blending asks for colours already multiplied by their alpha.
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < mark.size(); ++i) {
        const std::uint32_t alpha = mark[i] >> 24;
        const auto channel = [&](int shift) { return (((mark[i] >> shift) & 0xFF) * alpha + 127) / 255 << shift; };
        pixels[i] = (alpha << 24) | channel(16) | channel(8) | channel(0);
    }
    HDC memory = CreateCompatibleDC(dc);
    {
        Selected in(memory, bitmap.Get());
        GdiAlphaBlend(dc, cx - r, cy - r, size, size, memory, 0, 0, size, size, {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
    }
    DeleteDC(memory);
}

}  // namespace brivex::art
