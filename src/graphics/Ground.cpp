#include "graphics/Ground.h"

#include "base/Units.h"

namespace brivex {

Ground ToolWindowGround(int width, int height, int dpi, int band, int titleMargin) {
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    const int bottom = px(band);
    const int rule = bottom + px(3);
    return {
        .band = {0, 0, width, bottom},
        .rule = {0, bottom, width, rule},
        .sheet = {0, rule, width, height},
        .mark = {px(26), bottom / 2, px(17)},
        .title = {px(52), 0, width - px(titleMargin), bottom},
        .titleHeight = px(18),
        .titleCentred = true,
    };
}

Ground MainWindowGround(int width, int height, int dpi) {
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    const int bottom = px(74);
    return {
        .band = {0, 0, width, bottom},
        .rule = {0, bottom, width, bottom + px(3)},
        .sheet = {0, bottom, width, height},
        .mark = {px(50), px(38), px(28)},
        .title = {px(94), px(10), px(420), px(44)},
        .titleHeight = px(24),
    };
}

}  // namespace brivex
