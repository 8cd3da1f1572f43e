#include "progressbar/ColorMath.h"

#include <gtest/gtest.h>

namespace brivex {
namespace {

// 0x804020: red 32, green 64, blue 128.
constexpr ColorRef kSample = 0x804020;

TEST(ColorMath_LightenColor, EndsKeepTheColourAndGiveWhite) {
    for (const ColorRef colour : {kSample, ColorRef{0}, ColorRef{0xFFFFFF}, ColorRef{0x00C000}}) {
        EXPECT_EQ(LightenColor(colour, 0), colour);
        EXPECT_EQ(LightenColor(colour, 255), kWhite);
    }
}

TEST(ColorMath_LightenColor, ChannelsMoveUpInTruncatingIntegerSteps) {
    // red 150 + 105 * 32 \ 255 = 163, green 150 + 26 = 176, blue 150 + 52 = 202
    EXPECT_EQ(LightenColor(kSample, 150), 0xCAB0A3u);
    EXPECT_EQ(LightenColor(kSample, 80), 0xA77B65u);
    EXPECT_EQ(LightenColor(0, 10), 0x0A0A0Au);
}

TEST(ColorMath_BlendColors, EndsGiveOneColourOrTheOther) {
    EXPECT_EQ(BlendColors(kSample, 0x102030, 255), kSample);
    EXPECT_EQ(BlendColors(kSample, 0x102030, 0), 0x102030u);
    EXPECT_EQ(BlendColors(kSample, kBlack, 0), kBlack);
}

TEST(ColorMath_BlendColors, ChannelsGoToTheNearestInteger) {
    // red 128 * 32 / 255 = 16.06, green 32.13, blue 64.25
    EXPECT_EQ(BlendColors(kSample, kBlack, 128), 0x402010u);
    // red 200 * 32 / 255 = 25.1, green 50.2, blue 100.39
    EXPECT_EQ(BlendColors(kSample, kBlack, 200), 0x643219u);
    // with white: red 55 + 25.1 = 80.1, green 55 + 50.2 = 105.2, blue 55 + 100.39 = 155.39
    EXPECT_EQ(BlendColors(kSample, kWhite, 200), 0x9B6950u);
}

}  // namespace
}  // namespace brivex
