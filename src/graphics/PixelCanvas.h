#pragma once

#include <cstdint>
#include <vector>

#include "graphics/Canvas.h"

namespace brivex {

// The system's three-dimensional shades that edges are drawn in.
struct EdgeShades {
    ColorRef highlight = 0xFFFFFF;   // button highlight
    ColorRef light = 0xE2EFF1;       // three-dimensional light
    ColorRef shadow = 0x99A8AC;      // button shadow
    ColorRef darkShadow = 0x646F71;  // three-dimensional dark shadow
};

// The software surface every buffer of the program's own controls is: a
// surface in memory with exact pixels, following the GDI rules Canvas lists.
// Pixels are kept as a top-down 32-bit device-independent bitmap keeps them
// (0x00RRGGBB), so the platform presents them as they are and can lend its own
// bitmap memory to a subclass that draws text on the same pixels. Its own text
// uses a small built-in bitmap font: its shapes are approximate, its measures
// are fixed (six by nine pixels a character at 8 to 12 points).
class PixelCanvas : public Canvas {
public:
    PixelCanvas(int width, int height, const EdgeShades& shades = {});
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0xFFFFFFFF outside the surface, as GetPixel answers.
    ColorRef Pixel(int x, int y) const;
    // Width x height pixels, top row first, each 0x00RRGGBB.
    const std::uint32_t* Bits() const { return bits_; }

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

protected:
    // Draws on `bits` (width x height, top-down rows), which the caller owns.
    PixelCanvas(int width, int height, std::uint32_t* bits, const EdgeShades& shades);

private:
    // A half-open range of rows or columns, already clipped to the surface.
    struct Span {
        int first;
        int end;
        bool Empty() const { return end <= first; }
    };
    Span Block(int start, int extent, int limit) const;
    std::uint32_t& At(int x, int y) { return bits_[static_cast<std::size_t>(y) * width_ + x]; }
    const std::uint32_t& At(int x, int y) const { return bits_[static_cast<std::size_t>(y) * width_ + x]; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    void FillBlock(int x, int y, int width, int height, ColorRef colour);
    void SlopedLine(int x1, int y1, int x2, int y2, std::uint32_t pixel);
    void EdgeBorder(const Rect& rect, ColorRef topLeft, ColorRef bottomRight);

    std::vector<std::uint32_t> owned_;
    int width_;
    int height_;
    std::uint32_t* bits_;
    EdgeShades shades_;
};

}  // namespace brivex
