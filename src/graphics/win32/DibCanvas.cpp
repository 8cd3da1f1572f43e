#include "graphics/win32/DibCanvas.h"

#include "graphics/win32/GdiText.h"

namespace brivex {

namespace {

EdgeShades SystemShades() {
    return {GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_BTNSHADOW),
            GetSysColor(COLOR_3DDKSHADOW)};
}

}  // namespace

std::unique_ptr<DibCanvas> DibCanvas::Create(int width, int height, int dpi) {
    if (width <= 0 || height <= 0) return nullptr;
    // A memory context of the screen's kind, not a context of the display
    // itself: making one of those enumerates the display devices, under
    // Wine nine trips to the server and most of a millisecond.
    HDC memory = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first, as PixelCanvas keeps its rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = memory ? CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    HGDIOBJ previous = bitmap ? SelectObject(memory, bitmap) : nullptr;
    if (!previous) {
        if (bitmap) DeleteObject(bitmap);
        if (memory) DeleteDC(memory);
        return nullptr;
    }
    return std::unique_ptr<DibCanvas>(new DibCanvas(width, height, dpi, bits, memory, bitmap, previous));
}

DibCanvas::DibCanvas(int width, int height, int dpi, void* bits, HDC dc, HBITMAP bitmap, HGDIOBJ previous)
    : PixelCanvas(width, height, static_cast<std::uint32_t*>(bits), SystemShades()),
      dpi_(dpi),
      dc_(dc),
      bitmap_(bitmap),
      previous_(previous) {}

DibCanvas::~DibCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

Size DibCanvas::MeasureText(std::string_view text, const TextFont& font) {
    return MeasureTextGdi(dc_, text, font, dpi_);
}

void DibCanvas::DrawText(const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour) {
    DrawTextGdi(dc_, rect, text, font, colour, dpi_);
    // GDI may hold the text back in its batch; the software drawing that
    // follows must find it in the pixels.
    GdiFlush();
}

}  // namespace brivex
