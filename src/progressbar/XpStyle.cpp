#include "progressbar/XpStyle.h"

#include "progressbar/ColorMath.h"
#include "progressbar/Primitives.h"
#include "progressbar/ProgressStyle.h"

namespace brivex {

namespace {

// A corner pixel placed from the left or top edge, or back from the client's
// right or bottom.
struct CornerPixel {
    bool fromRight;
    int x;
    bool fromBottom;
    int y;
    ColorRef colour;
};

constexpr CornerPixel kCornerPixels[] = {
    // top left
    {false, 0, false, 0, 0xFFFFFF},
    {false, 0, false, 1, 0xA6ABAC},
    {false, 0, false, 2, 0x7D7E7F},
    {false, 1, false, 0, 0xA7ABAC},
    {false, 1, false, 1, 0x777777},
    {false, 2, false, 0, 0x7D7E7F},
    {false, 2, false, 2, 0xBEBEBE},
    // bottom left
    {false, 0, true, -1, 0xFFFFFF},
    {false, 1, true, -1, 0xA6ABAC},
    {false, 2, true, -1, 0x7D7E7F},
    {false, 0, true, -3, 0x7D7E7F},
    {false, 0, true, -2, 0xA7ABAC},
    {false, 1, true, -2, 0x777777},
    // top right
    {true, -1, false, 0, 0xFFFFFF},
    {true, -1, false, 1, 0xBEBEBE},
    {true, -1, false, 2, 0x7D7E7F},
    {true, -2, false, 2, 0xBEBEBE},
    {true, -2, false, 1, 0x686868},
    // bottom right
    {true, -1, true, -1, 0xFFFFFF},
    {true, -1, true, -2, 0xBEBEBE},
    {true, -1, true, -3, 0x7D7E7F},
    {true, -2, true, -2, 0x777777},
    {true, -2, true, -1, 0xBEBEBE},
    {true, -3, true, -1, 0x7D7E7F},
};

constexpr ColorRef kFrameShade = 0xBEBEBE;
constexpr ColorRef kFrameLight = 0xEFEFEF;
constexpr ColorRef kFrameOutline = 0x686868;

// Three ten-pixel blocks in lighter and lighter shades of the bar colour.
ColorRef BlockStart(const BarLook& look, int block) { return LightenColor(look.color, 220 - 40 * block); }
ColorRef BlockEnd(const BarLook& look, int block) { return LightenColor(look.color, 200 - 40 * block); }

void DrawHorizontalXpFill(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    // A short stub shows even at 0 %.
    if (s.progress.right <= 14) s.progress.right = 12;
    const Rect fill = {4, 8, s.progress.right + 4 > s.client.right ? s.progress.right - 4 : s.progress.right,
                       s.client.bottom - 8};
    if (look.scrolling != StyleSearching) {
        const ColorRef light = LightenColor(look.color, 150);
        DrawGradient(light, look.color, 4, 3, fill.right, 6, canvas, false);
        FillWithColor(fill, look.color, canvas);
        DrawGradient(look.color, light, 4, fill.bottom - 2, fill.right, 6, canvas, false);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        // In double: the lowest percentages leave no room below them for 100 minus them.
        const int x = Nearest(s.progress.right + (s.chunkGap + 10) * i - (100.0 - look.percentage) / 100.0 * 45);
        DrawGradient(BlockStart(look, i), BlockEnd(look, i), x, 3, 9, s.client.bottom - 2, canvas, true);
    }
}

void DrawVerticalXpFill(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    const Rect fill = {9, s.progress.top, s.client.right - 8, s.client.bottom};
    if (look.scrolling != StyleSearching) {
        const ColorRef light = LightenColor(look.color, 150);
        DrawGradient(light, look.color, 4, s.progress.top, 4, s.client.bottom, canvas, true);
        FillWithColor(fill, look.color, canvas);
        DrawGradient(look.color, light, s.client.right - 8, s.progress.top, 4, s.client.bottom, canvas, true);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        const int y = s.progress.top + (s.chunkGap + 10) * i;
        DrawGradient(BlockStart(look, i), BlockEnd(look, i), s.client.right - 2, y, 2, 9, canvas, false);
    }
}

}  // namespace

void ComputeProgressRect(const BarLook& look, DrawScratch& s) {
    s.chunkWidth = look.scrolling == StyleChunks ? 6 : 0;
    s.chunkGap = 2;
    s.client.left += 3;
    s.progress = s.client;
    // 98, not 100: a full bar runs a little past the right edge, under the frame.
    s.fraction = look.percentage / 98.0;
    if (s.fraction < 0) s.fraction = 0;
    const int period = s.chunkWidth + s.chunkGap;
    if (look.Horizontal()) {
        const int m = Nearest((s.client.right - s.client.left) * s.fraction + s.client.left);
        s.progress.right = m - (m - s.progress.left) % period;
        if (s.progress.right < s.client.left) s.progress.right = s.client.left;
    } else {
        s.fraction = 1 - s.fraction;
        const int m = Nearest((s.client.bottom - s.client.top) * s.fraction + s.client.top);
        s.progress.top = m - (m - s.progress.bottom) % period;
        if (s.progress.top > s.client.bottom) s.progress.top = s.client.bottom;
    }
}

void DrawXpFill(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    if (look.Horizontal()) DrawHorizontalXpFill(canvas, look, s);
    else DrawVerticalXpFill(canvas, look, s);
}

void DrawChunkGaps(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    s.gap = s.client;
    const int period = s.chunkWidth + s.chunkGap;
    if (look.Horizontal()) {
        for (int x = s.progress.left + s.chunkWidth; x <= s.progress.right; x += period) {
            s.gap.left = x + 1;
            s.gap.right = x + 1 + s.chunkGap;
            FillWithColor(s.gap, kWhite, canvas);
        }
    } else {
        for (int y = s.progress.bottom; y >= s.progress.top + s.chunkWidth; y -= period) {
            s.gap.top = y - 2;
            s.gap.bottom = y - 2 + s.chunkGap;
            FillWithColor(s.gap, kWhite, canvas);
        }
    }
}

void DrawXpFrame(Canvas& canvas, DrawScratch& s) {
    s.client.left -= 3;
    const int r = s.client.right;
    const int b = s.client.bottom;
    DrawLine(2, 1, r - 2, 1, canvas, kFrameShade);
    DrawLine(2, b - 2, r - 2, b - 2, canvas, kFrameLight);
    DrawLine(1, 2, 1, b - 2, canvas, kFrameShade);
    DrawLine(2, 2, 2, b - 2, canvas, kFrameLight);
    DrawLine(2, 2, r - 2, 2, canvas, kFrameLight);
    DrawLine(r - 2, 2, r - 2, b - 2, canvas, kFrameLight);
    FrameWithColor(s.client, kFrameOutline, canvas);
    for (const CornerPixel& pixel : kCornerPixels)
        canvas.SetPixel((pixel.fromRight ? r : 0) + pixel.x, (pixel.fromBottom ? b : 0) + pixel.y, pixel.colour);
}

}  // namespace brivex
