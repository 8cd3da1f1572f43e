#include "tweaks/TweakBackground.h"

#include "base/Units.h"
#include "tweaks/FrmTweak.h"

namespace brivex {

TweakBackground LayOutTweakBackground(int width, int height, int dpi) {
    using namespace tweakdesign;
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    TweakBackground shapes;
    shapes.ground = ToolWindowGround(width, height, dpi, kBand, 140);
    shapes.trackWidth = px(2);

    const int knobs[] = {62, 30, 78};  // percent of the track
    const int left = width - px(118);
    const int right = width - px(24);
    for (int i = 0; i < 3; ++i) {
        const int y = px(12 + i * 10);
        shapes.sliders[i] = {{left, y, right, y}, {left + (right - left) * knobs[i] / 100, y, px(4)}};
    }

    const int sheetTop = px(kRowsTop - 8);
    const int sheetBottom = px(kRowsTop + kRows * kRowHeight + 4);
    for (const int column : kColumnLeft) {
        TweakColumn& sheet = shapes.columns.emplace_back();
        sheet.sheet = {{px(column), sheetTop, px(column + kColumnWidth), sheetBottom}, px(12)};
        for (int row = 1; row < kRows; ++row) {
            const int y = px(kRowsTop + row * kRowHeight - 3);
            sheet.rules.push_back({px(column + 10), y, px(column + kColumnWidth - 10), y});
        }
    }
    return shapes;
}

}  // namespace brivex
