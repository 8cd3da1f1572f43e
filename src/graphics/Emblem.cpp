#include "graphics/Emblem.h"

#include <algorithm>
#include <cmath>

#include "graphics/Palette.h"
#include "graphics/PixelCanvas.h"

namespace brivex {

namespace {

using namespace art;

// The ground the mark is drawn on, in a colour the mark never uses: samples
// left in it are not covered.
constexpr ColorRef kGround = 0xFF00FF;

// The mark was first drawn with its outer edge 29.5 pixels from its centre;
// its parts keep their share of that at any size.
constexpr double kDesignRadius = 29.5;

void FillDisc(PixelCanvas& canvas, double centre, double radius, ColorRef colour) {
    const int top = static_cast<int>(std::floor(centre - radius));
    const int bottom = static_cast<int>(std::ceil(centre + radius));
    for (int y = top; y < bottom; ++y) {
        const double dy = y + 0.5 - centre;
        if (dy * dy >= radius * radius) continue;
        const double half = std::sqrt(radius * radius - dy * dy);
        canvas.FillRect(
            {static_cast<int>(std::lround(centre - half)), y, static_cast<int>(std::lround(centre + half)), y + 1},
            colour);
    }
}

// A stroke with round ends, as a wide pen draws a line.
void FillStroke(PixelCanvas& canvas, double x1, double y1, double x2, double y2, double halfWidth, ColorRef colour) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double length2 = dx * dx + dy * dy;
    const int left = static_cast<int>(std::floor(std::min(x1, x2) - halfWidth));
    const int right = static_cast<int>(std::ceil(std::max(x1, x2) + halfWidth));
    const int top = static_cast<int>(std::floor(std::min(y1, y2) - halfWidth));
    const int bottom = static_cast<int>(std::ceil(std::max(y1, y2) + halfWidth));
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const double px = x + 0.5 - x1;
            const double py = y + 0.5 - y1;
            const double along = std::clamp((px * dx + py * dy) / length2, 0.0, 1.0);
            const double ex = px - along * dx;
            const double ey = py - along * dy;
            if (ex * ex + ey * ey < halfWidth * halfWidth) canvas.SetPixel(x, y, colour);
        }
    }
}

// The mark on a canvas `samples` times the picture's size each way.
void Paint(PixelCanvas& canvas, int samples) {
    const double radius = canvas.Width() / 2.0;
    const double centre = radius;
    // A part `design` pixels wide at the first drawing's size, and never thinner
    // than `least` pixels of the picture, so that small pictures keep every part.
    const auto part = [&](double design, double least) {
        return std::max(least * samples, radius * design / kDesignRadius);
    };
    canvas.FillRect({0, 0, canvas.Width(), canvas.Height()}, kGround);
    FillDisc(canvas, centre, radius, kRim);
    const double ring = radius - part(3, 1);
    FillDisc(canvas, centre, ring, kWhite);
    const double dial = ring - part(4.5, 1);
    FillDisc(canvas, centre, dial, kNavy);
    FillDisc(canvas, centre, dial - part(1, 1), kBlue);
    const double reach = part(12.6, 0);
    FillStroke(canvas, centre, centre, centre + reach, centre - reach, part(1.5, 0.8), kGold);
    FillDisc(canvas, centre, part(4, 1.5), kGold);
}

}  // namespace

std::vector<std::uint32_t> DrawEmblem(int size) {
    // Enough samples a pixel for smooth edges, without a large canvas for the large sizes.
    const int samples = size <= 64 ? 8 : 4;
    PixelCanvas canvas(size * samples, size * samples);
    Paint(canvas, samples);

    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
    const int perPixel = samples * samples;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int covered = 0;
            int red = 0;
            int green = 0;
            int blue = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const ColorRef colour = canvas.Pixel(x * samples + sx, y * samples + sy);
                    if (colour == kGround) continue;
                    ++covered;
                    red += colour & 0xFF;
                    green += (colour >> 8) & 0xFF;
                    blue += (colour >> 16) & 0xFF;
                }
            }
            if (covered == 0) continue;
            const auto mean = [covered](int sum) { return static_cast<std::uint32_t>((sum + covered / 2) / covered); };
            const auto alpha = static_cast<std::uint32_t>((255 * covered + perPixel / 2) / perPixel);
            pixels[static_cast<std::size_t>(y) * size + x] =
                (alpha << 24) | (mean(red) << 16) | (mean(green) << 8) | mean(blue);
        }
    }
    return pixels;
}

}  // namespace brivex
