#include "ui/win32/ButtonPlusPainter.h"

#include "base/Units.h"
#include "graphics/win32/Art.h"
#include "graphics/win32/Gdi.h"

namespace brivex::ui {

namespace {

struct Palette {
    COLORREF top;
    COLORREF bottom;
    COLORREF border;
    COLORREF text;
};

constexpr Palette kNormal{RGB(0xFB, 0xFD, 0xFF), RGB(0xCF, 0xE0, 0xF4), RGB(0x3E, 0x6E, 0xA8), RGB(0x10, 0x33, 0x5E)};
constexpr Palette kHover{RGB(0xFF, 0xFF, 0xFF), RGB(0xB6, 0xD5, 0xF7), RGB(0x1F, 0x5F, 0xB0), RGB(0x0A, 0x2A, 0x52)};
constexpr Palette kPressed{RGB(0xA4, 0xC5, 0xEC), RGB(0xDC, 0xEA, 0xFA), RGB(0x1A, 0x4C, 0x8C), RGB(0x0A, 0x2A, 0x52)};
constexpr Palette kDisabled{RGB(0xF2, 0xF2, 0xF2), RGB(0xE0, 0xE0, 0xE0), RGB(0xA8, 0xA8, 0xA8), RGB(0x98, 0x98, 0x98)};

void VerticalGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
    const int height = area.bottom - area.top;
    for (int y = 0; y < height; ++y) {
        const auto mix = [&](int shift) {
            const int a = (top >> shift) & 0xFF;
            const int b = (bottom >> shift) & 0xFF;
            return a + (b - a) * y / (height > 1 ? height - 1 : 1);
        };
        GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(mix(0), mix(8), mix(16))));
        Selected selected(dc, pen.Get());
        MoveToEx(dc, area.left, area.top + y, nullptr);
        LineTo(dc, area.right, area.top + y);
    }
}

// Fills a rounded rectangle with a gradient, clipped to its shape.
void RoundedGradient(HDC dc, const RECT& area, int radius, COLORREF top, COLORREF bottom, COLORREF border) {
    GdiObject<HRGN> shape(CreateRoundRectRgn(area.left, area.top, area.right + 1, area.bottom + 1, radius, radius));
    SelectClipRgn(dc, shape.Get());
    VerticalGradient(dc, area, top, bottom);
    SelectClipRgn(dc, nullptr);
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, border));
    Selected selectedPen(dc, pen.Get());
    Selected noFill(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, area.left, area.top, area.right, area.bottom, radius, radius);
}

}  // namespace

void PaintButtonPlus(HDC dc, const RECT& area, const ButtonPlusFace& face, HFONT font, ButtonPlusState state, int dpi) {
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    const Palette& palette = state.disabled ? kDisabled : state.pressed ? kPressed : state.hover ? kHover : kNormal;
    RECT plate = area;
    InflateRect(&plate, -1, -1);
    RoundedGradient(dc, plate, px(8), palette.top, palette.bottom, palette.border);

    RECT text = plate;
    if (state.pressed) OffsetRect(&text, 1, 1);
    Selected selectedFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, palette.text);
    if (face.picture.empty() || !art::PaintArt(face.picture, dc, text, dpi))
        DrawTextW(dc, face.caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (state.focused) {
        RECT focus = plate;
        InflateRect(&focus, -px(3), -px(3));
        SetTextColor(dc, RGB(0, 0, 0));
        DrawFocusRect(dc, &focus);
    }
}

void PaintFramePanel(HDC dc, const RECT& area, const std::wstring& caption, HFONT font, int dpi) {
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    RECT plate = area;
    plate.top += px(8);
    InflateRect(&plate, -1, 0);
    plate.bottom -= 1;
    RoundedGradient(dc, plate, px(12), RGB(0xF7, 0xFA, 0xFE), RGB(0xE4, 0xEE, 0xFA), RGB(0x7F, 0xA3, 0xD1));
    if (caption.empty()) return;

    Selected selectedFont(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    const int indent = px(10);
    RECT tab{area.left + indent, area.top, area.left + indent + extent.cx + px(14), area.top + extent.cy + px(4)};
    RoundedGradient(dc, tab, px(8), RGB(0x4F, 0x86, 0xC6), RGB(0x2C, 0x5F, 0xA0), RGB(0x24, 0x4F, 0x86));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0xFF, 0xFF, 0xFF));
    DrawTextW(dc, caption.c_str(), -1, &tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace brivex::ui
