#include "settings/SettingsBackground.h"

#include <algorithm>
#include <cmath>

#include "base/Units.h"
#include "settings/FrmSettings.h"

namespace brivex {

SettingsBackground LayOutSettingsBackground(int width, int height, int dpi) {
    using namespace settingsdesign;
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    const int cx = width - px(34);
    const int cy = px(kBand) / 2;
    const int r = px(13);
    SettingsBackground shapes;
    shapes.ground = ToolWindowGround(width, height, dpi, kBand, 80);
    shapes.toothWidth = std::max(2, r / 3);
    shapes.wheel = {cx, cy, r * 3 / 4};
    shapes.hub = {cx, cy, r / 3};
    constexpr double kPi = 3.14159265358979;
    const int teeth = static_cast<int>(shapes.teeth.size());
    for (int i = 0; i < teeth; ++i) {
        const double angle = 2 * kPi * i / teeth;
        shapes.teeth[i] = {cx, cy, cx + static_cast<int>(std::lround(std::cos(angle) * r)),
                           cy + static_cast<int>(std::lround(std::sin(angle) * r))};
    }
    return shapes;
}

}  // namespace brivex
