#include "settings/SettingsBackground.h"

#include "graphics/ArtLayoutCheck.h"
#include "settings/FrmSettings.h"

namespace brivex {
namespace {

using testing::Covered;
using testing::Placed;

TEST(SettingsBackground, TheCogStaysOnTheBandAtEveryResolution) {
    testing::ExpectPlacedAndScaled(settingsdesign::kWidth, settingsdesign::kHeight, [](int width, int height, int dpi) {
        const SettingsBackground s = LayOutSettingsBackground(width, height, dpi);
        const Rect& band = s.ground.band;
        std::vector<Placed> shapes{{"wheel", Covered(s.wheel), band}, {"hub", Covered(s.hub), Covered(s.wheel)}};
        for (const Segment& tooth : s.teeth) shapes.push_back({"tooth", Covered(tooth), band});
        return shapes;
    });
}

}  // namespace
}  // namespace brivex
