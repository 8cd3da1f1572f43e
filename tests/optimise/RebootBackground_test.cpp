#include "optimise/RebootBackground.h"

#include "base/Units.h"
#include "graphics/ArtLayoutCheck.h"
#include "optimise/FrmReboot.h"

namespace brivex {
namespace {

using testing::Placed;

TEST(RebootBackground, ThePicturesColumnAndTheReportSheetStayOnTheSheetAtEveryResolution) {
    const int width = TwipsToPixels(rebootdesign::kWidth, kDesignDpi);
    const int height = TwipsToPixels(rebootdesign::kHeight, kDesignDpi);
    testing::ExpectPlacedAndScaled(width, height, [](int width, int height, int dpi) {
        const RebootBackground s = LayOutRebootBackground(width, height, dpi);
        return std::vector<Placed>{{"pictures column", s.column.area, s.ground.sheet},
                                   {"report sheet", s.sheet.area, s.ground.sheet}};
    });
}

}  // namespace
}  // namespace brivex
