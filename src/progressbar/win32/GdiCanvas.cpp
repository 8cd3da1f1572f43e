#include "progressbar/win32/GdiCanvas.h"

#include <vector>

#include "progressbar/win32/DibCanvas.h"
#include "progressbar/win32/GdiText.h"

namespace brivex {

namespace {

RECT ToRect(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// A brush made for one call, freed after it.
class OwnedBrush {
public:
    explicit OwnedBrush(HBRUSH brush) : brush_(brush) {}
    OwnedBrush(const OwnedBrush&) = delete;
    OwnedBrush& operator=(const OwnedBrush&) = delete;
    ~OwnedBrush() {
        if (brush_) DeleteObject(brush_);
    }
    HBRUSH Get() const { return brush_; }

private:
    HBRUSH brush_;
};

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
    for (const ColorRef colour : picture.pixels) bits.push_back(RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour)));
    return CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, bits.data(), &info, DIB_RGB_COLORS);
}

}  // namespace

void GdiCanvas::SetPixel(int x, int y, ColorRef colour) { SetPixelV(dc_, x, y, colour); }

void GdiCanvas::Line(int x1, int y1, int x2, int y2, ColorRef colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previous = SelectObject(dc_, pen);
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
    SelectObject(dc_, previous);
    DeleteObject(pen);
}

void GdiCanvas::FillRect(const Rect& rect, ColorRef colour) {
    const OwnedBrush brush(CreateSolidBrush(colour));
    const RECT area = ToRect(rect);
    ::FillRect(dc_, &area, brush.Get());
}

void GdiCanvas::FrameRect(const Rect& rect, ColorRef colour) {
    const OwnedBrush brush(CreateSolidBrush(colour));
    const RECT area = ToRect(rect);
    ::FrameRect(dc_, &area, brush.Get());
}

void GdiCanvas::FillHatch(const Rect& rect, int hatchStyle, ColorRef foreground, ColorRef background) {
    if (hatchStyle < HatchHorizontal || hatchStyle > HatchDiagonalCross) return;
    const OwnedBrush brush(CreateHatchBrush(hatchStyle, foreground));
    const int previousMode = SetBkMode(dc_, OPAQUE);
    const COLORREF previousBackground = SetBkColor(dc_, background);
    const RECT area = ToRect(rect);
    ::FillRect(dc_, &area, brush.Get());
    SetBkColor(dc_, previousBackground);
    SetBkMode(dc_, previousMode);
}

void GdiCanvas::FillPattern(int x, int y, int width, int height, const Picture& picture) {
    if (!picture.IsBitmap()) return;
    HBITMAP bitmap = PictureBitmap(dc_, picture);
    const OwnedBrush brush(bitmap ? CreatePatternBrush(bitmap) : nullptr);
    if (brush.Get()) {
        HGDIOBJ previous = SelectObject(dc_, brush.Get());
        PatBlt(dc_, x, y, width, height, PATCOPY);
        SelectObject(dc_, previous);
    }
    if (bitmap) DeleteObject(bitmap);
}

void GdiCanvas::DrawEdge(const Rect& rect, int edgeKind) {
    RECT area = ToRect(rect);
    ::DrawEdge(dc_, &area, static_cast<UINT>(edgeKind), BF_RECT);
}

Size GdiCanvas::MeasureText(std::string_view text, const TextFont& font) { return MeasureTextGdi(dc_, text, font); }

void GdiCanvas::DrawText(const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour) {
    DrawTextGdi(dc_, rect, text, font, colour);
}

void GdiCanvas::CopyFrom(const Canvas& source, int xSrc, int ySrc, int width, int height, int xDst, int yDst) {
    if (const auto* buffer = dynamic_cast<const DibCanvas*>(&source))
        BitBlt(dc_, xDst, yDst, width, height, buffer->Dc(), xSrc, ySrc, SRCCOPY);
}

}  // namespace brivex
