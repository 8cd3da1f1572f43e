#pragma once

#include <windows.h>

#include <memory>

#include "graphics/PixelCanvas.h"

namespace brivex {

// A software surface whose pixels are a device-independent bitmap selected
// into a memory device context: drawn like any PixelCanvas, presented like any
// PixelCanvas, and with its text drawn by GDI into the same pixels in the
// system's own fonts, at the `dpi` of the window it is shown in. Edges take
// the system's current 3-D shades.
class DibCanvas final : public PixelCanvas {
public:
    // Nothing when the display, the memory context or the bitmap cannot be had.
    static std::unique_ptr<DibCanvas> Create(int width, int height, int dpi);
    ~DibCanvas() override;

    HDC Dc() const { return dc_; }

    Size MeasureText(std::string_view text, const TextFont& font) override;
    void DrawText(const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour) override;

private:
    DibCanvas(int width, int height, int dpi, void* bits, HDC dc, HBITMAP bitmap, HGDIOBJ previous);

    int dpi_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

}  // namespace brivex
