#include "tweaks/TweakBackground.h"

#include "graphics/ArtLayoutCheck.h"
#include "tweaks/FrmTweak.h"

namespace brivex {
namespace {

using testing::Covered;
using testing::Placed;

TEST(TweakBackground, SlidersStayOnTheBandAndRulesOnTheirSheetAtEveryResolution) {
    testing::ExpectPlacedAndScaled(tweakdesign::kWidth, tweakdesign::kHeight, [](int width, int height, int dpi) {
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
    });
}

}  // namespace
}  // namespace brivex
