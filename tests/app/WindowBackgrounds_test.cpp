#include <functional>
#include <vector>

#include "app/FrmHome.h"
#include "app/HomeBackground.h"
#include "backup/BackupBackground.h"
#include "backup/Sysbackup.h"
#include "base/Units.h"
#include "graphics/ArtLayoutCheck.h"
#include "optimise/FrmReboot.h"
#include "optimise/RebootBackground.h"
#include "settings/FrmSettings.h"
#include "settings/SettingsBackground.h"
#include "sysinfo/FrmInfoSys.h"
#include "sysinfo/InfoSysBackground.h"
#include "tweaks/FrmTweak.h"
#include "tweaks/TweakBackground.h"

namespace brivex {
namespace {

using testing::Covered;
using testing::Placed;

std::vector<Placed> HomeShapes(int width, int height, int dpi) {
    const HomeBackground s = LayOutHomeBackground(width, height, dpi);
    return {{"buttons panel", s.panel.area, s.ground.sheet}, {"version line", s.version, s.ground.sheet}};
}

std::vector<Placed> RebootShapes(int width, int height, int dpi) {
    const RebootBackground s = LayOutRebootBackground(width, height, dpi);
    return {{"pictures column", s.column.area, s.ground.sheet}, {"report sheet", s.sheet.area, s.ground.sheet}};
}

std::vector<Placed> BackupShapes(int width, int height, int dpi) {
    const BackupBackground s = LayOutBackupBackground(width, height, dpi);
    const Rect& band = s.ground.band;
    return {{"back copy", s.copies[0].area, band},
            {"middle copy", s.copies[1].area, band},
            {"front copy", s.copies[2].area, band},
            {"its label", Covered(s.label), s.copies[2].area}};
}

std::vector<Placed> SettingsShapes(int width, int height, int dpi) {
    const SettingsBackground s = LayOutSettingsBackground(width, height, dpi);
    const Rect& band = s.ground.band;
    std::vector<Placed> shapes{{"wheel", Covered(s.wheel), band}, {"hub", Covered(s.hub), Covered(s.wheel)}};
    for (const Segment& tooth : s.teeth) shapes.push_back({"tooth", Covered(tooth), band});
    return shapes;
}

std::vector<Placed> InfoSysShapes(int width, int height, int dpi) {
    const InfoSysBackground s = LayOutInfoSysBackground(width, height, dpi);
    const Rect& band = s.ground.band;
    std::vector<Placed> shapes{{"chip", s.chip.area, band},
                               {"button rail", s.rail.area, s.ground.sheet},
                               {"panel sheet", s.sheet.area, s.ground.sheet}};
    for (const Segment& pin : s.pins) shapes.push_back({"pin", Covered(pin), band});
    return shapes;
}

std::vector<Placed> TweakShapes(int width, int height, int dpi) {
    const TweakBackground s = LayOutTweakBackground(width, height, dpi);
    const Rect& band = s.ground.band;
    std::vector<Placed> shapes;
    for (const TweakSlider& slider : s.sliders) {
        shapes.push_back({"slider track", Covered(slider.track), band});
        shapes.push_back({"slider knob", Covered(slider.knob), band});
    }
    for (const TweakColumn& column : s.columns) {
        shapes.push_back({"column sheet", column.sheet.area, s.ground.sheet});
        for (const Segment& rule : column.rules) shapes.push_back({"row rule", Covered(rule), column.sheet.area});
    }
    return shapes;
}

// Each window's background: every shape on the part of the window it belongs
// to (band, sheet, panel), and every edge following the window's size, at
// every resolution.
TEST(WindowBackgrounds, EveryShapeStaysWhereItBelongsAtEveryResolution) {
    struct Case {
        const char* window;
        int designWidth;
        int designHeight;
        std::function<std::vector<Placed>(int, int, int)> lay;
    };
    const Case cases[] = {
        {"main", TwipsToPixels(homedesign::kWidth, kDesignDpi), TwipsToPixels(homedesign::kHeight, kDesignDpi),
         HomeShapes},
        {"finishing", TwipsToPixels(rebootdesign::kWidth, kDesignDpi), TwipsToPixels(rebootdesign::kHeight, kDesignDpi),
         RebootShapes},
        {"backup", backupdesign::kWidth, backupdesign::kHeight, BackupShapes},
        {"settings", settingsdesign::kWidth, settingsdesign::kHeight, SettingsShapes},
        {"system information", infosysdesign::kWidth, infosysdesign::kHeight, InfoSysShapes},
        {"tweaks", tweakdesign::kWidth, tweakdesign::kHeight, TweakShapes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        testing::ExpectPlacedAndScaled(c.designWidth, c.designHeight, c.lay);
    }
}

}  // namespace
}  // namespace brivex
