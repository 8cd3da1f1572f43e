#include "sysinfo/InfoSysBackground.h"

#include "graphics/ArtLayoutCheck.h"
#include "sysinfo/FrmInfoSys.h"

namespace brivex {
namespace {

using testing::Covered;
using testing::Placed;

TEST(InfoSysBackground, TheChipStaysOnTheBandAndThePanelsOnTheSheetAtEveryResolution) {
    testing::ExpectPlacedAndScaled(infosysdesign::kWidth, infosysdesign::kHeight, [](int width, int height, int dpi) {
        const InfoSysBackground s = LayOutInfoSysBackground(width, height, dpi);
        const Rect& band = s.ground.band;
        std::vector<Placed> shapes{{"chip", s.chip.area, band},
                                   {"button rail", s.rail.area, s.ground.sheet},
                                   {"panel sheet", s.sheet.area, s.ground.sheet}};
        for (const Segment& pin : s.pins) shapes.push_back({"pin", Covered(pin), band});
        return shapes;
    });
}

}  // namespace
}  // namespace brivex
