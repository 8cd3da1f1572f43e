#include "app/HomeBackground.h"

#include "app/FrmHome.h"
#include "base/Units.h"
#include "graphics/ArtLayoutCheck.h"

namespace brivex {
namespace {

using testing::Placed;

TEST(HomeBackground, ThePanelAndTheVersionLineStayOnTheSheetAtEveryResolution) {
    const int width = TwipsToPixels(homedesign::kWidth, kDesignDpi);
    const int height = TwipsToPixels(homedesign::kHeight, kDesignDpi);
    testing::ExpectPlacedAndScaled(width, height, [](int width, int height, int dpi) {
        const HomeBackground s = LayOutHomeBackground(width, height, dpi);
        return std::vector<Placed>{{"buttons panel", s.panel.area, s.ground.sheet},
                                   {"version line", s.version, s.ground.sheet}};
    });
}

}  // namespace
}  // namespace brivex
