#pragma once
// Drawing: the program's own controls draw on a Canvas, in software on a
// PixelCanvas whose exact pixels the platform then presents, and through the
// platform's drawing calls only where no buffer can be had. Coordinates are
// pixels, colours 0x00BBGGRR (low byte red).
// Each operation stands for one GDI call, together with the pen or brush it
// makes and frees, and keeps that call's pixel rules, because the program's
// drawing is written against exactly those rules:
//  - a line leaves out its end point;
//  - a filled block leaves out its right and bottom edges, and a block with a
//    negative width or height is mirrored about its start point the way
//    PatBlt mirrors it (it covers start + extent + 1 up to start);
//  - a frame of an empty or inverted rectangle draws nothing;
//  - hatches and patterns are aligned on the surface's origin.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brivex {

using ColorRef = std::uint32_t;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A font as the program describes it; each surface makes its own from it.
struct TextFont {
    std::string face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    friend bool operator==(const TextFont&, const TextFont&) = default;
};

// A picture. Only a bitmap can become a pattern; a picture without pixels
// stands for one of another kind (an icon, a metafile).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<ColorRef> pixels;  // row by row, top row first

    bool IsBitmap() const {
        return width > 0 && height > 0 && pixels.size() == static_cast<std::size_t>(width) * height;
    }
};

// Hatch styles as GDI numbers them; any other number gives no brush.
enum HatchStyle : int {
    HatchHorizontal = 0,
    HatchVertical = 1,
    HatchForwardDiagonal = 2,
    HatchBackwardDiagonal = 3,
    HatchCross = 4,
    HatchDiagonalCross = 5,
};

// Edge kinds as DrawEdge takes them: an outer and an inner border, each raised
// or sunken.
enum EdgeKind : int {
    EdgeRaisedOuter = 1,
    EdgeSunkenOuter = 2,
    EdgeRaisedInner = 4,
    EdgeSunkenInner = 8,
    EdgeEtched = EdgeSunkenOuter | EdgeRaisedInner,
    EdgeBump = EdgeRaisedOuter | EdgeSunkenInner,
};

class PixelCanvas;

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SetPixel(int x, int y, ColorRef colour) = 0;
    // A solid pen one pixel wide from (x1, y1) to (x2, y2).
    virtual void Line(int x1, int y1, int x2, int y2, ColorRef colour) = 0;
    virtual void FillRect(const Rect& rect, ColorRef colour) = 0;
    virtual void FrameRect(const Rect& rect, ColorRef colour) = 0;
    // `foreground` on the hatch lines, `background` between them.
    virtual void FillHatch(const Rect& rect, int hatchStyle, ColorRef foreground, ColorRef background) = 0;
    // The block painted with `picture` as pattern brush (a pattern copy).
    virtual void FillPattern(int x, int y, int width, int height, const Picture& picture) = 0;
    // All four sides of `rect`, in the system's three-dimensional shades.
    virtual void DrawEdge(const Rect& rect, int edgeKind) = 0;
    // One line of text in `font`.
    virtual Size MeasureText(std::string_view text, const TextFont& font) = 0;
    // One line of text from the top left of `rect`, clipped to it, with a
    // transparent background.
    virtual void DrawText(const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour) = 0;
    // A block transfer (source copy) of a software surface's pixels from
    // (xSrc, ySrc) to this surface at (xDst, yDst); only the part of the block
    // that lies on `source` is copied.
    virtual void CopyFrom(const PixelCanvas& source, int xSrc, int ySrc, int width, int height, int xDst, int yDst) = 0;
};

}  // namespace brivex
