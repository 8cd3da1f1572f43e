#include "base/Units.h"

#include <gtest/gtest.h>

#include "base/Paths.h"

namespace brivex {
namespace {

TEST(Units_TwipsToPixels, RoundsToNearestHalvesAwayFromZero) {
    struct Case {
        int twips;
        int dpi;
        int pixels;
    };
    const Case cases[] = {
        {1440, 96, 96},   {15, 96, 1},       {7, 96, 0},   {8, 96, 1},   // 7.5 twips is half a pixel
        {1440, 144, 144}, {10, 144, 1},      {5, 144, 1},  {4, 144, 0},  // 5 twips at 144 dpi: 0.5 px
        {9000, 120, 750}, {9000, 192, 1200}, {-8, 96, -1}, {-7, 96, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
}

TEST(Units_DesignPixels, ScaleByTheMonitorFactor) {
    EXPECT_EQ(DesignPixelsToTwips(600), 9000);
    EXPECT_EQ(ScaleDesignPixels(600, 96), 600);
    EXPECT_EQ(ScaleDesignPixels(600, 120), 750);
    EXPECT_EQ(ScaleDesignPixels(600, 144), 900);
    EXPECT_EQ(ScaleDesignPixels(600, 192), 1200);
    EXPECT_EQ(ScaleDesignPixels(1, 144), 2);  // 1.5 rounds away from zero
}

TEST(Paths_JoinPath, OneBackslashBetweenFolderAndName) {
    EXPECT_EQ(JoinPath("C:\\Program Files\\Brivex", "bye.wav"), "C:\\Program Files\\Brivex\\bye.wav");
    EXPECT_EQ(JoinPath("C:\\", "bye.wav"), "C:\\bye.wav");
    EXPECT_EQ(JoinPath("", "bye.wav"), "\\bye.wav");
}

}  // namespace
}  // namespace brivex
