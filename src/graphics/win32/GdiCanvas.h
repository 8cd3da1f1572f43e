#pragma once

#include <windows.h>

#include "graphics/PixelCanvas.h"

namespace brivex {

// A device context drawn on through GDI itself: a window's own surface. Each
// operation makes the pen or brush it needs and frees it before returning;
// the context is not owned. Text is set at the `dpi` of the window drawn on.
class GdiCanvas final : public Canvas {
public:
    GdiCanvas(HDC dc, int dpi) : dc_(dc), dpi_(dpi) {}

    void SetPixel(int x, int y, ColorRef colour) override;
    void Line(int x1, int y1, int x2, int y2, ColorRef colour) override;
    void FillRect(const Rect& rect, ColorRef colour) override;
    void FrameRect(const Rect& rect, ColorRef colour) override;
    void FillHatch(const Rect& rect, int hatchStyle, ColorRef foreground, ColorRef background) override;
    void FillPattern(int x, int y, int width, int height, const Picture& picture) override;
    void DrawEdge(const Rect& rect, int edgeKind) override;
    Size MeasureText(std::string_view text, const TextFont& font) override;
    void DrawText(const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour) override;
    void CopyFrom(const PixelCanvas& source, int xSrc, int ySrc, int width, int height, int xDst, int yDst) override;

private:
    HDC dc_;
    int dpi_;
};

}  // namespace brivex
