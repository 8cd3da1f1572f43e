#include "WelcomePicture.h"

#include <cstdint>

#include "graphics/Emblem.h"
#include "graphics/Palette.h"

namespace brivex::icon {

namespace {

using namespace art;

constexpr int kMarkSize = 112;

std::uint32_t Mix(std::uint32_t from, std::uint32_t to, int part, int whole) {
    std::uint32_t mixed = 0;
    for (const int shift : {0, 8, 16}) {
        const int a = static_cast<int>((from >> shift) & 0xFF);
        const int b = static_cast<int>((to >> shift) & 0xFF);
        mixed |= static_cast<std::uint32_t>(a + ((b - a) * part + whole / 2) / whole) << shift;
    }
    return mixed;
}

}  // namespace

void PaintWelcomePicture(PixelCanvas& canvas) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    for (int y = 0; y < height; ++y) canvas.FillRect({0, y, width, y + 1}, Mix(kNavy, kBlue, y, height - 1));

    // The mark in the upper part, a gold rule below it as below the windows' headers.
    const int left = (width - kMarkSize) / 2;
    const int top = left + 24;
    const std::vector<std::uint32_t> mark = DrawEmblem(kMarkSize);
    for (int y = 0; y < kMarkSize; ++y) {
        for (int x = 0; x < kMarkSize; ++x) {
            const std::uint32_t argb = mark[static_cast<std::size_t>(y) * kMarkSize + x];
            const std::uint32_t colour = ((argb & 0xFF) << 16) | (argb & 0xFF00) | ((argb >> 16) & 0xFF);
            const int alpha = static_cast<int>(argb >> 24);
            canvas.SetPixel(left + x, top + y, Mix(canvas.Pixel(left + x, top + y), colour, alpha, 255));
        }
    }
    const int rule = top + kMarkSize + 20;
    canvas.FillRect({left, rule, left + kMarkSize, rule + 3}, kGold);
}

}  // namespace brivex::icon
