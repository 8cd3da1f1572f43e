#include "graphics/win32/GdiCanvas.h"

#include <vector>

#include "graphics/win32/Gdi.h"
#include "graphics/win32/GdiText.h"
#include "graphics/win32/Present.h"

namespace brivex {

namespace {

RECT ToRect(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// The picture as a bitmap in the device context's terms.
HBITMAP PictureBitmap(HDC dc, const Picture& picture) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bits;
    bits.reserve(picture.pixels.size());
    for (const ColorRef colour : picture.pixels)
        bits.push_back(RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour)));
    return CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, bits.data(), &info, DIB_RGB_COLORS);
}

}  // namespace

void GdiCanvas::SetPixel(int x, int y, ColorRef colour) { SetPixelV(dc_, x, y, colour); }

void GdiCanvas::Line(int x1, int y1, int x2, int y2, ColorRef colour) {
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    const Selected selected(dc_, pen.Get());
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
}

void GdiCanvas::FillRect(const Rect& rect, ColorRef colour) {
    const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    const RECT area = ToRect(rect);
    ::FillRect(dc_, &area, brush.Get());
}

void GdiCanvas::FrameRect(const Rect& rect, ColorRef colour) {
    const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    const RECT area = ToRect(rect);
    ::FrameRect(dc_, &area, brush.Get());
}

void GdiCanvas::FillHatch(const Rect& rect, int hatchStyle, ColorRef foreground, ColorRef background) {
    if (hatchStyle < HatchHorizontal || hatchStyle > HatchDiagonalCross) return;
    const GdiObject<HBRUSH> brush(CreateHatchBrush(hatchStyle, foreground));
    const int previousMode = SetBkMode(dc_, OPAQUE);
    const COLORREF previousBackground = SetBkColor(dc_, background);
    const RECT area = ToRect(rect);
    ::FillRect(dc_, &area, brush.Get());
    SetBkColor(dc_, previousBackground);
    SetBkMode(dc_, previousMode);
}

void GdiCanvas::FillPattern(int x, int y, int width, int height, const Picture& picture) {
    if (!picture.IsBitmap()) return;
    const GdiObject<HBITMAP> bitmap(PictureBitmap(dc_, picture));
    const GdiObject<HBRUSH> brush(bitmap ? CreatePatternBrush(bitmap.Get()) : nullptr);
    if (!brush) return;
    const Selected selected(dc_, brush.Get());
    PatBlt(dc_, x, y, width, height, PATCOPY);
}

void GdiCanvas::DrawEdge(const Rect& rect, int edgeKind) {
    RECT area = ToRect(rect);
    ::DrawEdge(dc_, &area, static_cast<UINT>(edgeKind), BF_RECT);
}

Size GdiCanvas::MeasureText(std::string_view text, const TextFont& font) {
    return MeasureTextGdi(dc_, text, font, dpi_);
}

void GdiCanvas::DrawText(const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour) {
    DrawTextGdi(dc_, rect, text, font, colour, dpi_);
}

void GdiCanvas::CopyFrom(const PixelCanvas& source, int xSrc, int ySrc, int width, int height, int xDst, int yDst) {
    Present(source, {xSrc, ySrc, xSrc + width, ySrc + height}, dc_, xDst, yDst);
}

}  // namespace brivex
