#include "app/HomeBackground.h"

#include "base/Units.h"

namespace brivex {

HomeBackground LayOutHomeBackground(int width, int height, int dpi) {
    // Designed in pixels at 96 dots per inch and scaled, with the controls, to the window's.
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    return {
        .ground = MainWindowGround(width, height, dpi),
        .panel = {{px(8), px(84), px(200), height - px(12)}, px(14)},
        .panelOutline = px(1),
        .version = {px(214), height - px(26), width - px(16), height - px(8)},
        .versionHeight = px(11),
    };
}

}  // namespace brivex
