// The tick and the cross drawn as strokes: inside the box they were made for,
// ends of the round pen included, and the same shape at every resolution.

#include "graphics/Marks.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace brivex {
namespace {

TEST(Marks, StayInsideTheirBoxAndKeepTheirProportionsAt96And144And192DotsPerInch) {
    const struct {
        const char* name;
        StrokedMark (*make)(const Rect&);
        Rect box96;  // the box at 96 dots per inch, scaled with the screen
    } cases[] = {
        {"tick in the final stage picture", &CheckMark, {10, 20, 38, 48}},
        {"tick in a wide box", &CheckMark, {0, 0, 50, 20}},
        {"cross on a close button", &CloseMark, {4, 6, 13, 15}},
        {"cross in a tall box", &CloseMark, {0, 0, 12, 30}},
    };
    for (const auto& c : cases) {
        const StrokedMark base = c.make(c.box96);
        for (const int dpi : {96, 144, 192}) {
            const auto scale = [dpi](int pixels) { return pixels * dpi / 96; };
            const Rect box{scale(c.box96.left), scale(c.box96.top), scale(c.box96.right), scale(c.box96.bottom)};
            const StrokedMark mark = c.make(box);
            const int reach = (mark.penWidth + 1) / 2;
            // The pen within a pixel of its scaled width; the points within two, for the roundings.
            EXPECT_LE(std::abs(mark.penWidth * 96 - base.penWidth * dpi), 96) << c.name << " at " << dpi;
            ASSERT_EQ(mark.strokes.size(), base.strokes.size());
            for (std::size_t s = 0; s < mark.strokes.size(); ++s) {
                ASSERT_EQ(mark.strokes[s].size(), base.strokes[s].size());
                for (std::size_t i = 0; i < mark.strokes[s].size(); ++i) {
                    const MarkPoint p = mark.strokes[s][i];
                    const MarkPoint q = base.strokes[s][i];
                    EXPECT_TRUE(p.x - reach >= box.left && p.x + reach <= box.right && p.y - reach >= box.top &&
                                p.y + reach <= box.bottom)
                        << c.name << " at " << dpi << ": point " << i << " leaves the box";
                    EXPECT_LE(std::abs((p.x - box.left) * 96 - (q.x - c.box96.left) * dpi), 2 * 96) << c.name << dpi;
                    EXPECT_LE(std::abs((p.y - box.top) * 96 - (q.y - c.box96.top) * dpi), 2 * 96) << c.name << dpi;
                }
            }
        }
    }
}

TEST(Marks, TheTickGoesDownToItsFootThenFurtherUpAndTheCrossMeetsInTheMiddle) {
    const Rect box{10, 20, 70, 80};
    const StrokedMark tick = CheckMark(box);
    ASSERT_EQ(tick.strokes.size(), 1u);
    ASSERT_EQ(tick.strokes[0].size(), 3u);
    const MarkPoint start = tick.strokes[0][0], foot = tick.strokes[0][1], end = tick.strokes[0][2];
    EXPECT_TRUE(start.x < foot.x && foot.x < end.x);
    EXPECT_GT(foot.y, start.y) << "the foot is the lowest point";
    EXPECT_LT(end.y, start.y) << "the long arm rises above the short one's start";
    EXPECT_GT(end.x - foot.x, foot.x - start.x) << "the right arm is the longer";

    const StrokedMark cross = CloseMark(box);
    ASSERT_EQ(cross.strokes.size(), 2u);
    for (const auto& stroke : cross.strokes) {
        ASSERT_EQ(stroke.size(), 2u);
        EXPECT_EQ(stroke[0].x + stroke[1].x, box.left + box.right) << "centred across";
        EXPECT_EQ(stroke[0].y + stroke[1].y, box.top + box.bottom) << "centred down";
        EXPECT_EQ(std::abs(stroke[1].x - stroke[0].x), std::abs(stroke[1].y - stroke[0].y)) << "a diagonal";
    }
    EXPECT_EQ(CentredSquare({0, 0, 26, 22}, 40), (Rect{8, 6, 17, 15})) << "a share of the shorter side";
}

}  // namespace
}  // namespace brivex
