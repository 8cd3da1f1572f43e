#include "app/StageDial.h"

#include "graphics/ArtLayoutCheck.h"

namespace brivex {
namespace {

using testing::Covered;
using testing::Inside;

TEST(StageDial, FillsClockwiseFromTheTopAnEighthAStage) {
    struct Case {
        int stage;
        MarkPoint end;
    };
    const Case cases[] = {{1, {52, 12}}, {2, {60, 32}}, {4, {32, 60}}, {6, {4, 32}}, {7, {12, 12}}};
    for (const Case& c : cases) {
        const StageDial dial = LayOutStageDial({0, 0, 64, 64}, c.stage);
        EXPECT_EQ(dial.sweepStart, (MarkPoint{32, 4})) << c.stage;
        EXPECT_EQ(dial.sweepEnd, c.end) << c.stage;
    }
}

TEST(StageDial, StaysInsideItsPictureWhateverItsSizeAndPlace) {
    for (const Rect& area : {Rect{0, 0, 64, 64}, Rect{3, 5, 100, 90}, Rect{10, 0, 43, 40}, Rect{0, 0, 24, 24}}) {
        const StageDial dial = LayOutStageDial(area, 3);
        for (const Rect& shape : {Covered(dial.dial), dial.fill, Covered(dial.hub), dial.label})
            EXPECT_TRUE(Inside(shape, area)) << area.left << "," << area.top << "-" << area.right << "," << area.bottom;
        EXPECT_TRUE(Inside(dial.label, Covered(dial.hub)));
    }
}

}  // namespace
}  // namespace brivex
