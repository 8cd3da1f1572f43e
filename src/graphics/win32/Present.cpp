#include "graphics/win32/Present.h"

#include <algorithm>

namespace brivex {

void Present(const PixelCanvas& canvas, const Rect& block, HDC target, int x, int y) {
    const Rect shown = {std::max(block.left, 0), std::max(block.top, 0), std::min(block.right, canvas.Width()),
                        std::min(block.bottom, canvas.Height())};
    if (shown.Width() <= 0 || shown.Height() <= 0) return;
    // The rows shown as a top-down bitmap of their own, so that the source
    // starts at its first row whatever way up the system counts rows.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = canvas.Width();
    info.bmiHeader.biHeight = -shown.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const std::uint32_t* firstRow = canvas.Bits() + static_cast<std::size_t>(shown.top) * canvas.Width();
    SetDIBitsToDevice(target, x + shown.left - block.left, y + shown.top - block.top, static_cast<DWORD>(shown.Width()),
                      static_cast<DWORD>(shown.Height()), shown.left, 0, 0, static_cast<UINT>(shown.Height()), firstRow,
                      &info, DIB_RGB_COLORS);
}

void Present(const PixelCanvas& canvas, HDC target, int x, int y) {
    Present(canvas, {0, 0, canvas.Width(), canvas.Height()}, target, x, y);
}

}  // namespace brivex
