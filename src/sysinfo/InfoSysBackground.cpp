#include "sysinfo/InfoSysBackground.h"

#include "base/Units.h"
#include "sysinfo/FrmInfoSys.h"

namespace brivex {

InfoSysBackground LayOutInfoSysBackground(int width, int height, int dpi) {
    using namespace infosysdesign;
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    const int chipLeft = width - px(168);
    const int chipTop = px(12);
    const int chipSize = px(20);
    const int railBottom = px(kButtonsTop + 4 * kButtonStep + kButtonHeight + 10);
    InfoSysBackground shapes;
    shapes.ground = ToolWindowGround(width, height, dpi, kBand, 150);
    shapes.pinWidth = px(1);
    shapes.chip = {{chipLeft, chipTop, chipLeft + chipSize, chipTop + chipSize}, px(4)};
    shapes.chipOutline = px(2);
    shapes.rail = {{px(kButtonsLeft - 8), px(kButtonsTop - 10), px(kButtonsLeft + kButtonWidth + 8), railBottom},
                   px(12)};
    shapes.sheet = {
        {px(kPanelLeft - 4), px(kPanelTop - 4), px(kPanelLeft + kPanelWidth + 4), px(kPanelTop + kPanelHeight + 4)},
        px(12)};
    for (int pin = 0; pin < 4; ++pin) {
        const int at = chipTop + px(3 + pin * 5);
        shapes.pins[2 * pin] = {chipLeft - px(4), at, chipLeft + chipSize + px(4), at};
        const int across = chipLeft + px(3 + pin * 5);
        shapes.pins[2 * pin + 1] = {across, chipTop - px(4), across, chipTop + chipSize + px(4)};
    }
    return shapes;
}

}  // namespace brivex
