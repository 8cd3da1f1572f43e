#include "optimise/RebootBackground.h"

#include "base/Units.h"
#include "optimise/FrmReboot.h"

namespace brivex {

RebootBackground LayOutRebootBackground(int width, int height, int dpi) {
    const auto twips = [dpi](int value) { return TwipsToPixels(value, dpi); };
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    const int margin = px(8);
    const ui::Bounds& report = rebootdesign::kReport;
    const int top = twips(report.top) - margin;
    const int bottom = twips(report.top + rebootdesign::kReportFullHeight) + margin;
    return {
        .ground = ToolWindowGround(width, height, dpi, 44, 12),
        .column = {{margin, top, twips(report.left) - margin, bottom}, px(14)},
        .sheet = {{twips(report.left) - margin, top, twips(report.left + report.width) + margin, bottom}, px(10)},
    };
}

}  // namespace brivex
