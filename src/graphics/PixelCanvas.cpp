#include "graphics/PixelCanvas.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>

namespace brivex {

namespace {

// 0x00BBGGRR and 0x00RRGGBB differ only in the order of red and blue, so the
// same swap goes both ways.
std::uint32_t SwapRedBlue(std::uint32_t colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

// Rows of the 8 x 8 hatch patterns, most significant bit leftmost, in the
// order of HatchStyle; these are the platform's own patterns, measured.
constexpr std::uint8_t kHatchRows[6][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // forward diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // backward diagonal
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
};

// The built-in font: 5 x 7 glyphs in a 6 x 9 cell, bit 4 leftmost. It holds
// what a progress bar writes (digits, " %", "Searching.."); any other
// character shows as a box.
struct Glyph {
    char character;
    std::uint8_t rows[7];
};

constexpr Glyph kGlyphs[] = {
    {' ', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}}, {'%', {0x18, 0x19, 0x02, 0x04, 0x08, 0x13, 0x03}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}}, {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}}, {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}}, {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}}, {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}}, {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'a', {0x00, 0x00, 0x0E, 0x01, 0x0F, 0x11, 0x0F}}, {'c', {0x00, 0x00, 0x0E, 0x10, 0x10, 0x11, 0x0E}},
    {'e', {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}}, {'g', {0x00, 0x00, 0x0F, 0x11, 0x0F, 0x01, 0x0E}},
    {'h', {0x10, 0x10, 0x16, 0x19, 0x11, 0x11, 0x11}}, {'i', {0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E}},
    {'n', {0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11}}, {'r', {0x00, 0x00, 0x16, 0x19, 0x10, 0x10, 0x10}},
};
constexpr Glyph kBox = {'\0', {0x1F, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1F}};
constexpr int kCellWidth = 6;
constexpr int kCellHeight = 9;

const Glyph& GlyphOf(char character) {
    for (const Glyph& glyph : kGlyphs)
        if (glyph.character == character) return glyph;
    return kBox;
}

// One cell per 11 pixels of font height (8.25 points at 96 dots an inch).
int GlyphScale(const TextFont& font) {
    const int pixels = static_cast<int>(font.points * 96.0 / 72.0 + 0.5);
    return std::max(1, (pixels + 5) / 11);
}

}  // namespace

PixelCanvas::PixelCanvas(int width, int height, const EdgeShades& shades)
    : owned_(static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0), 0xFFFFFF),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bits_(owned_.data()),
      shades_(shades) {}

PixelCanvas::PixelCanvas(int width, int height, std::uint32_t* bits, const EdgeShades& shades)
    : width_(width), height_(height), bits_(bits), shades_(shades) {
    assert(bits != nullptr && width > 0 && height > 0);
}

ColorRef PixelCanvas::Pixel(int x, int y) const { return Inside(x, y) ? SwapRedBlue(At(x, y)) : 0xFFFFFFFF; }

void PixelCanvas::SetPixel(int x, int y, ColorRef colour) {
    if (Inside(x, y)) At(x, y) = SwapRedBlue(colour);
}

PixelCanvas::Span PixelCanvas::Block(int start, int extent, int limit) const {
    long long first = start;
    long long end = static_cast<long long>(start) + extent;
    if (extent < 0) {
        first = end + 1;
        end = static_cast<long long>(start) + 1;
    }
    return {static_cast<int>(std::clamp<long long>(first, 0, limit)),
            static_cast<int>(std::clamp<long long>(end, 0, limit))};
}

void PixelCanvas::FillBlock(int x, int y, int width, int height, ColorRef colour) {
    const Span columns = Block(x, width, width_);
    const Span rows = Block(y, height, height_);
    // No row, and the first row's address would lie past the pixels, or on none at all.
    if (columns.Empty() || rows.Empty()) return;
    const std::uint32_t pixel = SwapRedBlue(colour);
    const int count = columns.end - columns.first;
    const int stride = width_;
    std::uint32_t* line = &At(columns.first, rows.first);
    // Columns are what vertical gradients are made of: one store a row.
    if (count == 1) {
        for (int row = rows.first; row < rows.end; ++row, line += stride) *line = pixel;
        return;
    }
    for (int row = rows.first; row < rows.end; ++row, line += stride) std::fill_n(line, count, pixel);
}

void PixelCanvas::Line(int x1, int y1, int x2, int y2, ColorRef colour) {
    // Mirrored blocks leave out the far end exactly as a line does.
    if (y1 == y2) return FillBlock(x1, y1, x2 - x1, 1, colour);
    if (x1 == x2) return FillBlock(x1, y1, 1, y2 - y1, colour);
    SlopedLine(x1, y1, x2, y2, SwapRedBlue(colour));
}

// Steps along the longer axis; on the shorter one a point exactly halfway
// between two pixels goes to the smaller coordinate, as GDI draws it.
void PixelCanvas::SlopedLine(int x1, int y1, int x2, int y2, std::uint32_t pixel) {
    const long long dx = static_cast<long long>(x2) - x1;
    const long long dy = static_cast<long long>(y2) - y1;
    const bool alongX = std::llabs(dx) > std::llabs(dy);
    const long long major = alongX ? std::llabs(dx) : std::llabs(dy);
    const long long minor = alongX ? std::llabs(dy) : std::llabs(dx);
    const bool minorForward = (alongX ? dy : dx) > 0;
    const int majorStep = (alongX ? dx : dy) > 0 ? 1 : -1;
    const int minorStep = minorForward ? 1 : -1;
    for (long long i = 0; i < major; ++i) {
        const long long offset = (2 * i * minor + major - (minorForward ? 1 : 0)) / (2 * major);
        const long long x = alongX ? x1 + majorStep * i : x1 + minorStep * offset;
        const long long y = alongX ? y1 + minorStep * offset : y1 + majorStep * i;
        if (x >= 0 && y >= 0 && x < width_ && y < height_) At(static_cast<int>(x), static_cast<int>(y)) = pixel;
    }
}

void PixelCanvas::FillRect(const Rect& rect, ColorRef colour) {
    FillBlock(rect.left, rect.top, rect.Width(), rect.Height(), colour);
}

void PixelCanvas::FrameRect(const Rect& rect, ColorRef colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    FillBlock(rect.left, rect.top, rect.Width(), 1, colour);
    FillBlock(rect.left, rect.bottom - 1, rect.Width(), 1, colour);
    FillBlock(rect.left, rect.top, 1, rect.Height(), colour);
    FillBlock(rect.right - 1, rect.top, 1, rect.Height(), colour);
}

void PixelCanvas::FillHatch(const Rect& rect, int hatchStyle, ColorRef foreground, ColorRef background) {
    if (hatchStyle < HatchHorizontal || hatchStyle > HatchDiagonalCross) return;
    const Span columns = Block(rect.left, rect.Width(), width_);
    const Span rows = Block(rect.top, rect.Height(), height_);
    const std::uint32_t ink = SwapRedBlue(foreground);
    const std::uint32_t paper = SwapRedBlue(background);
    for (int y = rows.first; y < rows.end; ++y) {
        const std::uint8_t bits = kHatchRows[hatchStyle][y & 7];
        for (int x = columns.first; x < columns.end; ++x) At(x, y) = (bits >> (7 - (x & 7))) & 1 ? ink : paper;
    }
}

void PixelCanvas::FillPattern(int x, int y, int width, int height, const Picture& picture) {
    if (!picture.IsBitmap()) return;
    const Span columns = Block(x, width, width_);
    const Span rows = Block(y, height, height_);
    for (int row = rows.first; row < rows.end; ++row) {
        const ColorRef* source = &picture.pixels[static_cast<std::size_t>(row % picture.height) * picture.width];
        int sourceColumn = columns.first % picture.width;
        for (int column = columns.first; column < columns.end; ++column) {
            At(column, row) = SwapRedBlue(source[sourceColumn]);
            if (++sourceColumn == picture.width) sourceColumn = 0;
        }
    }
}

// Top and left first, then bottom and right over them, so the top-right and
// bottom-left corners take the second shade.
void PixelCanvas::EdgeBorder(const Rect& rect, ColorRef topLeft, ColorRef bottomRight) {
    Line(rect.left, rect.top, rect.right, rect.top, topLeft);
    Line(rect.left, rect.top, rect.left, rect.bottom, topLeft);
    Line(rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, bottomRight);
    Line(rect.right - 1, rect.top, rect.right - 1, rect.bottom, bottomRight);
}

void PixelCanvas::DrawEdge(const Rect& rect, int edgeKind) {
    Rect ring = rect;
    switch (edgeKind & (EdgeRaisedOuter | EdgeSunkenOuter)) {
        case EdgeRaisedOuter: EdgeBorder(ring, shades_.light, shades_.darkShadow); break;
        case EdgeSunkenOuter: EdgeBorder(ring, shades_.shadow, shades_.highlight); break;
        default: break;
    }
    if (edgeKind & (EdgeRaisedOuter | EdgeSunkenOuter))
        ring = {ring.left + 1, ring.top + 1, ring.right - 1, ring.bottom - 1};
    switch (edgeKind & (EdgeRaisedInner | EdgeSunkenInner)) {
        case EdgeRaisedInner: EdgeBorder(ring, shades_.highlight, shades_.shadow); break;
        case EdgeSunkenInner: EdgeBorder(ring, shades_.darkShadow, shades_.light); break;
        default: break;
    }
}

Size PixelCanvas::MeasureText(std::string_view text, const TextFont& font) {
    const int scale = GlyphScale(font);
    return {static_cast<int>(text.size()) * kCellWidth * scale, kCellHeight * scale};
}

void PixelCanvas::DrawText(const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour) {
    const int scale = GlyphScale(font);
    const Rect clip = {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width_),
                       std::min(rect.bottom, height_)};
    const std::uint32_t ink = SwapRedBlue(colour);
    int penX = rect.left;
    for (const char character : text) {
        const Glyph& glyph = GlyphOf(character);
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 5; ++column) {
                if (!((glyph.rows[row] >> (4 - column)) & 1)) continue;
                const int left = penX + column * scale;
                const int top = rect.top + (row + 1) * scale;
                for (int y = std::max(top, clip.top); y < std::min(top + scale, clip.bottom); ++y)
                    for (int x = std::max(left, clip.left); x < std::min(left + scale, clip.right); ++x) At(x, y) = ink;
            }
        penX += kCellWidth * scale;
    }
}

void PixelCanvas::CopyFrom(const PixelCanvas& source, int xSrc, int ySrc, int width, int height, int xDst, int yDst) {
    const int firstColumn = std::max({0, -xSrc, -xDst});
    const int endColumn = std::min({width, source.width_ - xSrc, width_ - xDst});
    if (endColumn <= firstColumn) return;
    for (int row = std::max({0, -ySrc, -yDst}); row < std::min({height, source.height_ - ySrc, height_ - yDst}); ++row)
        std::memmove(&At(xDst + firstColumn, yDst + row), &source.At(xSrc + firstColumn, ySrc + row),
                     sizeof(std::uint32_t) * static_cast<std::size_t>(endColumn - firstColumn));
}

}  // namespace brivex
